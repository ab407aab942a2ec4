#include "base/identity.h"
#include "app/main_form.h"
#include "platform/regedit_jump.h"

namespace qlmr {

// The key of the service last selected; before any selection the list's own name stands there.
void MainForm::RegistryJumpButtonClick() {
    jumpToRegistryKey(std::string(kServicesBranch) + "\\" + state.ServiceSysName.text());
}

}  // namespace qlmr
