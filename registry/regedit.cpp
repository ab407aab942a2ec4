#include "registry/regedit.h"

#include "base/environment.h"
#include "base/identity.h"
#include "platform/errors.h"
#include "platform/files.h"

namespace qlmr {
namespace {

void startEditor(void* owner, const std::string& parameters) {
    // ShellExecute reports success by a result above 32; the reason is the thread's last error.
    if (env().shell->execute(owner, "open", "regedit.exe", parameters, "", ShowCommand::Default) <= 32)
        raiseLastOsError();
}

}  // namespace

// Quoted always: where the volume makes no short form, the long path may hold blanks.
std::unique_ptr<WatchedProcess> importRegistryFile(void* owner, const std::string& path) {
    std::unique_ptr<WatchedProcess> editor;
    const long result = env().shell->executeWatched(owner, "open", "regedit.exe", "\"" + env().shortPath(path) + "\"",
                                                    "", ShowCommand::Default, editor);
    if (result <= 32) raiseLastOsError();
    return editor;
}

void exportServicesBranch(void* owner, const std::string& path) {
    startEditor(owner, "/e \"" + path + "\" \"" + kServicesBranch + "\"");
}

}  // namespace qlmr
