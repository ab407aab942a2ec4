#pragma once
// The page "История изменений": every import the journal holds, newest first, the values of the
// chosen one, and the undo of that one change through the same path as every import.
#include <string>
#include <vector>

#include "base/hidden_state.h"
#include "base/page_host.h"
#include "config/journal.h"
#include "registry/history_text.h"
#include "toolkit/data_report_list.h"
#include "toolkit/form.h"
#include "toolkit/widgets.h"

namespace qlmr {

class HistoryPage {
public:
    HistoryPage(tk::Form& form, tk::TabSheet* sheet, HiddenState& state, PageHost& host, Journal& journal);

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
    HiddenState& state;
    PageHost& host_;
    Journal& journal_;
    std::vector<JournalEntry> entries_;
    std::vector<long> loggedDamage_;   // index lines already told in the log
};

}  // namespace qlmr
