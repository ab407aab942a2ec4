#include "registry/regedit.h"

#include "base/environment.h"
#include "base/identity.h"
#include "platform/errors.h"
#include "platform/files.h"

namespace qlmr {
namespace {

// The shell reports success by a result above 32; the reason is the thread's last error, which
// the shell leaves as the failed start set it (it shows no box of its own that would reset it).
std::unique_ptr<WatchedProcess> startEditor(void* owner, const std::string& parameters) {
    std::unique_ptr<WatchedProcess> editor;
    const long result = env().shell->executeWatched(owner, "open", "regedit.exe", parameters, "",
                                                    ShowCommand::Default, editor);
    if (result <= 32) raiseLastOsError();
    return editor;
}

}  // namespace

// Quoted always: where the volume makes no short form, the long path may hold blanks.
std::unique_ptr<WatchedProcess> importRegistryFile(void* owner, const std::string& path) {
    return startEditor(owner, "\"" + env().shortPath(path) + "\"");
}

std::unique_ptr<WatchedProcess> exportServicesBranch(void* owner, const std::string& path) {
    return startEditor(owner, "/e \"" + path + "\" \"" + kServicesBranch + "\"");
}

}  // namespace qlmr
