#pragma once
// The page "История изменений": every import the journal holds, newest first, the values of the
// chosen one, and the undo of that one change through the same path as every import.
#include <string>
#include <vector>

#include "registry/history_text.h"
#include "config/journal_format.h"
#include "toolkit/data_report_list.h"
#include "toolkit/widgets.h"

namespace qlmr {

class MainForm;

class HistoryPage {
public:
    HistoryPage(MainForm& form, tk::TabSheet* sheet, tk::Size sheetSize);

    tk::DataReportList* HistoryList;
    tk::DataReportList* HistoryValues;
    tk::Button* HistoryUndo;

    // Reads the journal's index again and shows it; damaged lines are logged once each.
    void reload();
    void translate();   // captions and texts in the current language
    void HistoryListSelect();
    void HistoryUndoClick();
    const std::vector<JournalEntry>& entries() const { return entries_; }   // newest first

private:
    HistoryPhrases phrases() const;
    void showValues();
    MainForm& form_;
    std::vector<JournalEntry> entries_;
    std::vector<long> loggedDamage_;   // index lines already told in the log
};

}  // namespace qlmr
