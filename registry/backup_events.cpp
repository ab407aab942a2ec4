#include "app/main_form.h"

namespace qlmr {

void MainForm::wireBackupEvents() {
    BackupBox->onClick = [this] { BackupBoxClick(); };
    BackupSearch->onClick = [this] { BackupSearchClick(); };
    BackupAdd->onClick = [this] { BackupAddClick(); };
    BackupAddNew->onClick = [this] { BackupAddNewClick(); };
    BackupDelete->onClick = [this] { BackupDeleteClick(); };
    N4->onClick = [this] { BackupSearchClick(); };
    N5->onClick = [this] { BackupAddClick(); };
    N6->onClick = [this] { BackupAddNewClick(); };
    N7->onClick = [this] { BackupDeleteClick(); };
    SheetBackup->onContextMenu = [this] { BackupPopupMenu->popup(handle()); };
    RegistryJumpButton->onClick = [this] { RegistryJumpButtonClick(); };
}

}  // namespace qlmr
