// Scaffold until the snapshot, preset, swap and backup handlers land; delete when replaced.
#include "app/main_form.h"

namespace qlmr {
void MainForm::wireConfigEvents() {}
void MainForm::wireBackupEvents() {}
void MainForm::RegReadButtonClick() {}
void MainForm::RegReadButtonInitialClick() {}
void MainForm::ReadDescriptionClick() {}
void MainForm::BackupSearchClick() {}
void MainForm::BackupAddNewClick() {}
}  // namespace qlmr
