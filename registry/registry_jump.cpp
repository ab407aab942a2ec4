#include "app/identity.h"
#include "app/main_form.h"
#include "lang/lang_messages.h"
#include "platform/regedit_jump.h"

namespace qlmr {

// The key of the service last selected; before any selection the list's own name stands there.
void MainForm::RegistryJumpButtonClick() {
    const JumpResult result = jumpToRegistryKey(std::string(kServicesBranch) + "\\" + state.ServiceSysName.text());
    if (result == JumpResult::NotResponding) showInfo(message("RegeditNotResponding"));
}

}  // namespace qlmr
