// The history page: the journal's entries, the chosen one's values, and its undo.
#include "registry/history_page.h"

#include <algorithm>

#include "base/identity.h"
#include "config/filtered_import.h"
#include "lang/ini.h"
#include "lang/lang_text.h"
#include "lang/message_format.h"
#include "lang/lang_messages.h"
#include "platform/files.h"
#include "registry/import_watch.h"
#include "toolkit/dialogs.h"

namespace qlmr {

using tk::anchor;
using tk::Rect;

namespace {

constexpr size_t kPreviewLines = 12;

}  // namespace

HistoryPage::HistoryPage(tk::Form& form, tk::TabSheet* p, HiddenState& state, PageHost& host, Journal& journal)
    : state(state), host_(host), journal_(journal) {
    const int w = kSheetWidth, h = kSheetHeight;
    HistoryList = anchor(form.make<tk::DataReportList>(
                             "HistoryList", p, Rect{8, 8, w - 16, 300},
                             std::vector<tk::DataReportList::Column>{
                                 {"Когда", 130}, {"Действие", 230}, {"Файл", 300}, {"Значений", 80}, {"Результат", 220}}),
                         tk::kAnchorTopWide);
    HistoryList->setHint("Все изменения, которые программа внесла в реестр, новые сверху");
    HistoryValues = anchor(form.make<tk::DataReportList>(
                               "HistoryValues", p, Rect{8, 316, w - 16, h - 360},
                               std::vector<tk::DataReportList::Column>{
                                   {"Служба", 200}, {"Значение", 140}, {"Было", 300}, {"Стало", 300}}),
                           tk::kAnchorAll);
    HistoryValues->setHint("Значения выбранного изменения: до него и после");
    HistoryUndo = anchor(form.make<tk::Button>("HistoryUndo", p, "Отменить это изменение", Rect{8, h - 36, 300, 28}),
                         tk::kAnchorBottomLeft);
    HistoryUndo->setHint("Вернуть значения, которые были до выбранного изменения");
    HistoryList->onSelect = [this] { HistoryListSelect(); };
    HistoryUndo->onClick = [this] { HistoryUndoClick(); };
}

HistoryPhrases HistoryPage::phrases() const {
    const IniText file(readLanguageText(host_.currentLanguageFile()).value_or(""));
    return [file](const std::string& key) {
        const std::optional<std::string> text = file.value("Msg", key);
        return text ? *text : builtinHistoryPhrase(key);
    };
}

void HistoryPage::reload() {
    JournalIndex index = journal_.load();
    for (long line : index.damagedLines) {
        if (std::find(loggedDamage_.begin(), loggedDamage_.end(), line) != loggedDamage_.end()) continue;
        loggedDamage_.push_back(line);
        host_.logLine("Журнал изменений: пропущена повреждённая строка " + std::to_string(line) + " файла " +
                      journal_.folder() + kJournalIndexFile);
    }
    std::reverse(index.entries.begin(), index.entries.end());
    const size_t row = size_t(HistoryList->selectedRow());
    const long chosen = row < entries_.size() ? entries_[row].number : 0;
    entries_ = std::move(index.entries);
    translate();
    for (size_t i = 0; i < entries_.size(); ++i)
        if (chosen && entries_[i].number == chosen) HistoryList->selectRow(int(i));
}

void HistoryPage::translate() {
    const HistoryPhrases words = phrases();
    HistoryList->setColumnCaptions(historyColumns(words));
    HistoryValues->setColumnCaptions(historyValueColumns(words));
    const int chosen = HistoryList->selectedRow();
    HistoryList->setRows(historyRows(entries_, words));
    HistoryValues->setRows({});
    if (chosen >= 0) HistoryList->selectRow(chosen);
}

void HistoryPage::HistoryListSelect() { showValues(); }

void HistoryPage::showValues() {
    const int row = HistoryList->selectedRow();
    if (row < 0 || size_t(row) >= entries_.size()) {
        HistoryValues->setRows({});
        return;
    }
    const JournalEntry& entry = entries_[size_t(row)];
    const std::optional<std::vector<CheckedValue>> values = journal_.valuesOf(entry.number);
    if (!values) {
        HistoryValues->setRows({});
        host_.logLine("Журнал изменений: запись " + journal_.beforeFileName(entry.number) +
                      " повреждена или не найдена, пропущена");
        return;
    }
    HistoryValues->setRows(historyValueRows(*values, phrases()));
}

void HistoryPage::HistoryUndoClick() {
    const HistoryPhrases words = phrases();
    const int row = HistoryList->selectedRow();
    if (row < 0 || size_t(row) >= entries_.size()) {
        showInfo(words("HistoryNoChoice"));
        return;
    }
    const JournalEntry entry = entries_[size_t(row)];
    Journal& journal = journal_;
    const std::string name = journal.beforeFileName(entry.number);
    if (!journal.valuesOf(entry.number)) {
        host_.logLine("Журнал изменений: запись " + name + " повреждена или не найдена, пропущена");
        showInfo(formatMessage(words("HistoryDamaged"), name));
        return;
    }
    // The preview: the registry now against the entry's before-values, read as the import check reads them.
    const ImportWatch::Check preview =
        ImportWatch::prepare(journal.beforeFile(entry.number), name, state.ServiceSysName.items());
    const std::string caption = std::string(kWindowTitle) + " - " + entry.stamp + ", " +
                                historyActionName(entry.action, words) + ", " + entry.file;
    const std::string question = formatMessage(words("HistoryQuestion"), entry.stamp) + "\n\n" +
                                 historyUndoPreview(preview.values, words, kPreviewLines);
    if (tk::dialogs().question(caption, question, false) == tk::Answer::No) return;
    host_.importVerified(installedServiceKeysCopy(journal.beforeFile(entry.number)), name, ImportAction::ChangeUndo);
    host_.logLine("Отменено изменение от " + entry.stamp);
    host_.logLine("Был использован файл: " + name);
}

}  // namespace qlmr
