// The journal's text: the index, an entry's registry files, the page's texts, and following a
// description back through the swap-ins still in force.
#include <doctest.h>

#include "config/snapshot.h"
#include "config/description_trail.h"
#include "registry/history_text.h"
#include "config/journal_format.h"

using namespace qlmr;

namespace {

RegData text(uint32_t type, const std::string& utf8) {
    RegData d;
    d.present = true;
    d.type = type;
    d.data = utf8;
    return d;
}

RegData dword(uint32_t n) {
    return text(4, std::string{char(n & 0xFF), char((n >> 8) & 0xFF), char((n >> 16) & 0xFF), char(n >> 24)});
}

std::string identity(std::string_view bytes) { return std::string(bytes); }

std::string russian(const std::string& key) { return builtinHistoryPhrase(key); }

JournalEntry entry(long number, const std::string& action, long values) {
    return JournalEntry{number, "09.12.2026 11.22.3" + std::to_string(number % 10), action, "tweaked.html.reg", values, {}};
}

}  // namespace

TEST_CASE("journal: index lines read back, results joined; damaged and foreign lines skipped and named") {
    JournalResult some{JournalResult::Kind::SomeMatched, 3, 5};
    const std::string text = "; index\r\n" + entryIndexLine(entry(1, "apply", 5)) + entryIndexLine(entry(2, "undo", 2)) +
                             "garbage line\r\n" + resultIndexLine(1, some) +
                             "E\t3\tnot a stamp\tapply\tx.reg\t1\r\n" + resultIndexLine(9, some) +
                             entryIndexLine(entry(1, "restore", 1)) + "\r\n" + "E\t4\t09.12.2026 11.22.34\tapply\tx.reg\t1";
    const JournalIndex index = parseJournalIndex(text);
    REQUIRE(index.entries.size() == 3);
    CHECK(index.entries[0].action == "apply");   // the later line with number 1 does not replace it
    CHECK(index.entries[0].result.kind == JournalResult::Kind::SomeMatched);
    CHECK(index.entries[0].result.matched == 3);
    CHECK(index.entries[1].result.kind == JournalResult::Kind::Unchecked);
    CHECK(index.entries[2].number == 4);          // a last line without its line end still counts
    CHECK(index.entries[2].stamp == "09.12.2026 11.22.34");
    CHECK(index.damagedLines == std::vector<long>{4, 6, 7, 8});
}

TEST_CASE("journal: a file name with a tab or line break stays on its one index line") {
    JournalEntry e = entry(7, "restore", 3);
    e.file = "Backup\tof\r\nx.reg";
    const JournalIndex index = parseJournalIndex(entryIndexLine(e));
    REQUIRE(index.entries.size() == 1);
    CHECK(index.entries[0].file == "Backup of  x.reg");
}

TEST_CASE("journal: results as the check counts them") {
    CheckedValue a{"Spooler", "Start", dword(4), dword(2), dword(4)};
    CheckedValue b{"Alerter", "Start", dword(4), dword(3), dword(3)};
    CHECK(journalResultOf({a}, true).kind == JournalResult::Kind::AllMatched);
    CHECK(journalResultOf({a, b}, true).kind == JournalResult::Kind::SomeMatched);
    CHECK(journalResultOf({b}, true).kind == JournalResult::Kind::Declined);
    CHECK(journalResultOf({}, false).kind == JournalResult::Kind::FileUnread);
    CHECK(journalResultOf({}, true).kind == JournalResult::Kind::AllMatched);
    const JournalResult r = journalResultOf({a, b}, true);
    CHECK(historyResultText(r, russian) == "совпали 1 / 2");
}

// Every kind of value is written so that the registry file reader gives back the same value.
TEST_CASE("journal: an entry's registry file round-trips every kind of value, a missing one as =-") {
    const std::vector<CheckedValue> values = {
        {"Spooler", "Start", {}, dword(2), {}},
        {"Spooler", "Description", {}, text(1, "Печать \"очереди\" C:\\x\r\nвторая"), {}},
        {"Spooler", "ImagePath", {}, text(2, "%SystemRoot%\\spoolsv.exe"), {}},
        {"Spooler", "DependOnService", {}, text(7, std::string("RPCSS\0http", 10)), {}},
        {"Spooler", "FailureActions", {}, text(3, std::string("\x01\x00\xff", 3)), {}},
        {"Spooler", "", {}, text(1, "default"), {}},
        {"Alerter", "Description", {}, RegData{}, {}},
    };
    const std::vector<std::string> lines = journalRegLines("09.12.2026 11.22.33, apply, x.reg", values, &CheckedValue::before);
    CHECK(lines[0] == "Windows Registry Editor Version 5.00");
    CHECK(lines[2] == "; 09.12.2026 11.22.33, apply, x.reg");
    CHECK(lines.back() == "\"Description\"=-");
    std::string joined;
    for (const std::string& l : lines) joined += l + "\r\n";
    const RegFileContent file = parseRegFile(joined);
    const std::vector<CheckedValue> back = valuesToCheck(file, {"Spooler", "Alerter"}, identity);
    REQUIRE(back.size() == values.size());
    for (size_t i = 0; i < values.size(); ++i) {
        CAPTURE(i);
        CHECK(back[i].service == values[i].service);
        CHECK(back[i].name == values[i].name);
        CHECK(back[i].expected == values[i].before);
    }
}

TEST_CASE("history texts: rows, actions in the current language, an unknown action as stored") {
    std::vector<JournalEntry> entries = {entry(2, "change-undo", 1), entry(1, "later-version-action", 4)};
    entries[0].result = JournalResult{JournalResult::Kind::Declined, 0, 1};
    const auto rows = historyRows(entries, russian);
    REQUIRE(rows.size() == 2);
    CHECK(rows[0] == std::vector<std::string>{"09.12.2026 11.22.32", "Отмена изменения", "tweaked.html.reg", "1",
                                              "отклонён: ничего не изменилось"});
    CHECK(rows[1][1] == "later-version-action");
    CHECK(rows[1][4] == "не проверено");
    CHECK(historyColumns(russian) == std::vector<std::string>{"Когда", "Действие", "Файл", "Значений", "Результат"});
    CHECK(historyValueColumns(russian) == std::vector<std::string>{"Служба", "Значение", "Было", "Стало"});
    const auto valueRows = historyValueRows({{"Spooler", "", dword(3), RegData{}, {}}}, russian);
    CHECK(valueRows[0] == std::vector<std::string>{"Spooler", "@", "нет значения", "3"});
}

TEST_CASE("history texts: the undo's preview names what changes, at most so many lines") {
    // before = the registry now, expected = what the undo sets
    const std::vector<CheckedValue> values = {{"A", "Start", dword(2), dword(4), {}},
                                              {"B", "Start", dword(3), dword(3), {}},
                                              {"C", "Start", dword(2), dword(4), {}},
                                              {"D", "Start", dword(2), RegData{}, {}}};
    CHECK(historyUndoPreview(values, russian, 2) == "Изменится:\nA\\Start: 4 -> 2\nC\\Start: 4 -> 2\nи ещё 1");
    CHECK(historyUndoPreview({values[1]}, russian, 2) == builtinHistoryPhrase("HistoryNothingChanges"));
}

TEST_CASE("description originals: followed back through every swap-in still in force") {
    const auto swap = [](const std::string& before, const std::string& set) {
        DescriptionSwapIn s;
        s.before["Spooler"].description = RegText{false, before};
        s.set["Spooler"].description = RegText{false, set};
        return s;
    };
    const RegText now{false, "R2"};
    // newest first: O -> R1, then (file changed) R1 -> R2
    CHECK(swappedInOriginal({swap("R1", "R2"), swap("O", "R1")}, "spooler", false, now)->text == "O");
    // swapped back in between (the swap-back is no swap-in): O -> R1, back to O, O -> R2
    CHECK(swappedInOriginal({swap("O", "R2"), swap("O", "R1")}, "Spooler", false, now)->text == "O");
    // changed by hand after the swap-in: nothing known about U
    CHECK_FALSE(swappedInOriginal({swap("O", "R1")}, "Spooler", false, RegText{false, "U"}));
    CHECK_FALSE(swappedInOriginal({swap("O", "R2")}, "Spooler", true, now));   // the display name was not set
}
