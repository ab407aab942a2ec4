// The backups page: listing, choosing, restoring, new backups and deletion.
#include "base/environment.h"
#include "base/identity.h"
#include "base/last_stamp.h"
#include "app/main_form.h"
#include "lang/lang_messages.h"
#include "lang/message_format.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/secure_wipe.h"
#include "registry/regedit.h"

namespace qlmr {
namespace {

std::string registryFolder() { return programFolder() + kRegistryFolder; }

// A backup never replaces an existing file: a second backup within the same stamp, or a file
// left by someone else, gets a free name beside it.
std::string newBackupName() { return freeFileName(registryFolder(), "Backup of " + lastStamp() + ".reg"); }

void logBranch(MainForm& form, const std::string& firstLine, const std::string& secondLine) {
    form.logLine(firstLine);
    form.logLine(std::string("Ветка: ") + kServicesBranch);
    form.logLine(secondLine);
}

}  // namespace

void MainForm::BackupSearchClick() {
    BackupBox->clear();
    logLine("Начало поиска резервных копий");
    for (const std::string& name : listFiles(registryFolder(), "*.reg")) BackupBox->add(name);
    logLine("Конец поиска резервных копий");
    logLine("Найдено " + std::to_string(BackupBox->count()) + " резервных копий");
}

void MainForm::BackupBoxClick() {
    const int i = BackupBox->itemIndex();
    if (i < 0 || i >= BackupBox->count()) return;
    const std::string name = BackupBox->item(i);
    BackupNameTextLb->setText(name);
    BackupPathTextlb->setText(registryFolder() + name);
    state.TrueCheckBox = true;
}

void MainForm::BackupAddClick() {
    if (!state.TrueCheckBox) {
        showInfo(message("msg1"));
        return;
    }
    const std::string name = BackupNameTextLb->text();
    showInfo(formatMessage(message("msg2"), name));
    importVerified(BackupPathTextlb->text(), name);
    logBranch(*this, "Реестр восстановлен из резерной копии", "Был использован файл: " + name);
}

void MainForm::BackupAddNewClick() {
    // The list is refreshed after the pause whether the export could be started or not.
    auto settle = [this] {
        PauseWithMessages(500);
        BackupSearchClick();
    };
    try {
        // Also runs at start-up, before the current language is known.
        const std::string langName = readProfileString(settingsPath(), "Program", "LangName", "No data");
        const std::string name = newBackupName();
        showInfo(formatMessage(ReadLangMessage("Msg", "msg3", programFolder() + kLangFolder + langName), name));
        const std::string path = registryFolder() + name;
        // The editor would fail silently on a missing folder; say so instead of logging a backup.
        requireFolderFor(path);
        tk::Application::instance().processMessages();
        exportServicesBranch(handle(), path);
        logBranch(*this, "Создана резервная копия реестра", "Скопированна в файл: " + name);
    } catch (...) {
        settle();
        throw;
    }
    settle();
}

void MainForm::BackupDeleteClick() {
    if (!state.TrueCheckBox) {
        showInfo(message("msg4"));
        return;
    }
    const std::string name = BackupNameTextLb->text();
    const std::string path = env().shortPath(BackupPathTextlb->text());
    if (!askQuestion(formatMessage(message("msg11"), name))) return;
    if (RWipe->checked())
        secureWipe(path);
    else
        env().shell->moveToRecycleBin(path);   // the shell reports its own failures
    logLine("Был удален файл: " + name);
    BackupSearchClick();
}

}  // namespace qlmr
