#pragma once
// What importing a start-type file (a preset or a snapshot) would change: one row per installed
// catalogue service whose Start the file sets to another value.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "config/reg_file.h"
#include "lang/ini.h"

namespace qlmr {

// One catalogue service as the registry and the service manager tell it now.
struct ServiceNow {
    std::string systemName, displayName;
    bool installed = false;   // its key holds a Start value
    uint32_t start = 0;
    std::string group;                                  // Group
    std::vector<std::string> dependOnService, dependOnGroup;
};

struct StartTarget {
    std::string systemName;
    uint32_t start = 0;
};

struct PreviewRow {
    std::string systemName, displayName;
    uint32_t now = 0, after = 0;
    bool disablesRunning = false;          // running now and the file disables it
    std::vector<std::string> dependents;   // display names of running or automatic services that need it
    bool eyeCatching() const { return disablesRunning || !dependents.empty(); }
};

struct StartPreview {
    std::vector<PreviewRow> rows;   // eye-catching rows first, otherwise in catalogue order
    int notInstalled = 0;           // catalogue services the file names that are not installed
    int countAfter(uint32_t start) const;
};

// The service key name of a path under HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services
// (HKLM also accepted, any case); empty for any other key, a subkey included.
std::string serviceOfKeyPath(const std::string& path);

// The Start values the file sets, one per service, the last one written winning.
std::vector<StartTarget> startTargets(const RegFileContent& file);

// Whether an installed service runs now; asked only where a note depends on it.
using RunningQuery = std::function<bool(const ServiceNow& service)>;

StartPreview buildStartPreview(const std::vector<ServiceNow>& catalogue, const std::vector<StartTarget>& targets,
                               const RunningQuery& running);

}  // namespace qlmr
