// What the backups page does with a backup's check: the log, a box for a failed one, the mark
// in the list, and the warning before such a file is restored.
#include "registry/backups_page.h"
#include "lang/lang_messages.h"
#include "lang/message_format.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "registry/backup_check.h"
#include "registry/backup_watch.h"
#include "toolkit/dialogs.h"

namespace qlmr {

void BackupsPage::reportBackupCheck(const BackupCheckResult& result) {
    backupWatch->remember(result);
    for (const std::string& line : result.lines) host_.logLine(line);
    if (result.whole) return;
    markFailedBackups();
    std::string text;
    for (const std::string& line : result.lines) text += (text.empty() ? "" : "\n") + line;
    tk::dialogs().error(text);
}

// Rewrites the lines the list shows now, keeping the chosen one; nothing is logged.
void BackupsPage::markFailedBackups() {
    std::vector<std::string> names;
    for (int i = 0; i < BackupBox->count(); ++i) names.push_back(BackupWatch::fileOfLine(BackupBox->item(i)));
    const int chosen = BackupBox->itemIndex();
    BackupBox->clear();
    for (const std::string& name : names) BackupBox->add(backupWatch->listLine(name));
    BackupBox->setItemIndex(chosen);
}

// A backup that failed its check in this run, or an export of the branch cut off inside a line,
// restores only part of the branch: the user is asked first.
bool BackupsPage::confirmIncompleteRestore(const std::string& name, const std::string& path) {
    bool incomplete = backupWatch->failed(name);
    if (!incomplete && fileExists(path)) {
        try {
            incomplete = isCutOffBranchExport(regFileText(readFileBytes(path), ansiToUtf8));
        } catch (const std::exception&) {
            return true;   // unreadable: the editor reports it itself
        }
    }
    return !incomplete || askQuestion(formatMessage(host_.message("BackupIncompleteRestore"), name));
}

}  // namespace qlmr
