// The journal beside every import: the entry before the editor starts, the result after the check.
#include "app/main_form.h"
#include "base/log_prefix.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "registry/history_page.h"
#include "registry/import_watch.h"
#include "config/journal.h"

namespace qlmr {

long MainForm::recordInJournal(ImportAction action, const std::string& file, const std::vector<CheckedValue>& values) {
    const long number = journal->record(formatStamp(localNow()), action, file, values);
    historyPage->reload();
    return number;
}

void MainForm::translateHistory() { historyPage->translate(); }

void MainForm::wireJournal(tk::Size sheet) {
    journal = std::make_unique<Journal>(programFolder() + kJournalFolder);
    historyPage = std::make_unique<HistoryPage>(*this, SheetHistory, sheet);
    importWatch->onChecked = [this](const ImportWatch::Check& check) {
        if (check.journalEntry <= 0) return;
        tk::runHandler([&] {
            journal->recordResult(check.journalEntry, journalResultOf(check.values, check.fileRead));
            historyPage->reload();
        });
    };
}

}  // namespace qlmr
