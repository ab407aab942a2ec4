#include "registry/regedit.h"

#include "app/environment.h"
#include "app/identity.h"
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

void importRegistryFile(void* owner, const std::string& path) { startEditor(owner, toShortPath(path)); }

void exportServicesBranch(void* owner, const std::string& path) {
    startEditor(owner, "/e \"" + path + "\" \"" + kServicesBranch + "\"");
}

}  // namespace qlmr
