// The backups page: listing, choosing, restoring, new backups and deletion.
#include "base/environment.h"
#include "base/identity.h"
#include "base/last_stamp.h"
#include "registry/backups_page.h"
#include "lang/lang_messages.h"
#include "lang/message_format.h"
#include "lang/message_keys.h"
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

void logBranch(PageHost& form, const std::string& firstLine, const std::string& secondLine) {
    form.logLine(firstLine);
    form.logLine(std::string("Ветка: ") + kServicesBranch);
    form.logLine(secondLine);
}

}  // namespace

void BackupsPage::BackupSearchClick() {
    BackupBox->clear();
    host_.logLine("Начало поиска резервных копий");
    for (const std::string& name : listFiles(registryFolder(), "*.reg")) BackupBox->add(name);
    host_.logLine("Конец поиска резервных копий");
    host_.logLine("Найдено " + std::to_string(BackupBox->count()) + " резервных копий");
}

void BackupsPage::BackupBoxClick() {
    const int i = BackupBox->itemIndex();
    if (i < 0 || i >= BackupBox->count()) return;
    const std::string name = BackupBox->item(i);
    BackupNameTextLb->setText(name);
    BackupPathTextlb->setText(registryFolder() + name);
    state.TrueCheckBox = true;
}

void BackupsPage::BackupAddClick() {
    if (!state.TrueCheckBox) {
        showInfo(host_.message(msg::kChooseBackupToRestore));
        return;
    }
    const std::string name = BackupNameTextLb->text();
    showInfo(formatMessage(host_.message(msg::kImportStarting), name));
    host_.importVerified(BackupPathTextlb->text(), name);
    logBranch(host_, "Реестр восстановлен из резерной копии", "Был использован файл: " + name);
}

void BackupsPage::BackupAddNewClick() {
    // The list is refreshed after the pause whether the export could be started or not.
    auto settle = [this] {
        // The editor writes the export on its own; half a second lets a quick one show in the list.
        host_.PauseWithMessages(500);
        BackupSearchClick();
    };
    try {
        // Also runs at start-up, before the current language is known.
        const std::string langName = readProfileString(host_.settingsPath(), "Program", "LangName", "No data");
        const std::string name = newBackupName();
        showInfo(formatMessage(ReadLangMessage(msg::kSection, msg::kBackupStarting, programFolder() + kLangFolder + langName), name));
        const std::string path = registryFolder() + name;
        // The editor would fail silently on a missing folder; say so instead of logging a backup.
        requireFolderFor(path);
        tk::Application::instance().processMessages();
        exportServicesBranch(host_.window(), path);
        logBranch(host_, "Создана резервная копия реестра", "Скопированна в файл: " + name);
    } catch (...) {
        settle();
        throw;
    }
    settle();
}

void BackupsPage::BackupDeleteClick() {
    if (!state.TrueCheckBox) {
        showInfo(host_.message(msg::kChooseBackupToDelete));
        return;
    }
    const std::string name = BackupNameTextLb->text();
    const std::string path = env().shortPath(BackupPathTextlb->text());
    if (!askQuestion(formatMessage(host_.message(msg::kAskDeleteBackup), name))) return;
    if (RWipe->checked())
        secureWipe(path);
    else
        env().shell->moveToRecycleBin(path);   // the shell reports its own failures
    host_.logLine("Был удален файл: " + name);
    BackupSearchClick();
}

}  // namespace qlmr
