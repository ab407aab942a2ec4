#pragma once
// The operating-system services the handlers use, replaceable where a real one would wait for a
// person (tests swap the shell so that no browser or explorer window opens).
#include "platform/files.h"
#include "platform/registry_access.h"
#include "platform/service_manager.h"
#include "platform/shell.h"

namespace qlmr {

struct Environment {
    ServiceManager* services = &systemServiceManager();
    Registry* registry = &systemRegistry();
    Shell* shell = &systemShell();
    // The 8.3 form of a path; tests stand in for a volume that has none.
    std::string (*shortPath)(const std::string&) = &toShortPath;
};

Environment& env();

}  // namespace qlmr
