#pragma once
// The system's registry editor, the one way the program changes or exports the services branch.
// Neither call waits for the editor; both raise the system's error when it cannot be started.
#include <memory>
#include <string>

#include "platform/shell.h"

namespace qlmr {

// Hands a registry file to the editor for import, in its short form between quotes. No switch
// is passed, so the editor asks the user itself where it does so. Returns the editor's process,
// to be watched by whoever wants to know when it is done (null when the shell gave none).
std::unique_ptr<WatchedProcess> importRegistryFile(void* owner, const std::string& path);

// Starts the export of the services branch into the file (long path). Returns the editor's
// process, as the import does.
std::unique_ptr<WatchedProcess> exportServicesBranch(void* owner, const std::string& path);

}  // namespace qlmr
