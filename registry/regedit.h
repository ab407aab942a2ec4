#pragma once
// The system's registry editor, the one way the program changes or exports the services branch.
// Neither call waits for the editor; both raise the system's error when it cannot be started.
#include <string>

namespace qlmr {

// Hands a registry file to the editor for import, in its short form between quotes. No switch
// is passed, so the editor asks the user itself where it does so.
void importRegistryFile(void* owner, const std::string& path);

// Starts the export of the services branch into the file (long path).
void exportServicesBranch(void* owner, const std::string& path);

}  // namespace qlmr
