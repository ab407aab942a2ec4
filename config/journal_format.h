#pragma once
// The journal of imports as text: the lines of its index, and the registry files of an entry
// (the values as they were before the import, and the values the import set).
#include <string>
#include <string_view>
#include <vector>

#include "base/import_action.h"
#include "config/import_check.h"

namespace qlmr {

// The word the journal stores for an action: "apply", "undo", "descriptions-in", ...
const char* importActionKey(ImportAction action);

struct JournalResult {
    enum class Kind { Unchecked, AllMatched, SomeMatched, Declined, FileUnread };
    Kind kind = Kind::Unchecked;
    long matched = 0, total = 0;
};

// The result of a finished check (the after side read): the same counts the log line gives.
JournalResult journalResultOf(const std::vector<CheckedValue>& checked, bool fileRead);

struct JournalEntry {
    long number = 0;
    std::string stamp;    // "dd.mm.yyyy hh.nn.ss"
    std::string action;   // importActionKey, or what a later version stored
    std::string file;     // the file used, as the log names it
    long values = 0;      // how many values the import sets
    JournalResult result;
};

// "E<TAB>number<TAB>stamp<TAB>action<TAB>file<TAB>values" and "R<TAB>number<TAB>kind<TAB>matched<TAB>total",
// each with its CR LF.
std::string entryIndexLine(const JournalEntry& entry);
std::string resultIndexLine(long number, const JournalResult& result);

struct JournalIndex {
    std::vector<JournalEntry> entries;   // oldest first, results joined to their entries
    std::vector<long> damagedLines;      // 1-based numbers of the lines that were skipped
};

// Reads the index (UTF-8): comment lines (";") and empty lines are passed over, a line that is
// neither an entry nor a result of a known entry is skipped and named; a later entry line of a
// number already seen is skipped too.
JournalIndex parseJournalIndex(std::string_view text);

// A value line as the registry editor imports it: dword:, a quoted text, hex(n): bytes (texts in
// UTF-16LE), or "=-" for a value that is not there.
std::string regDataLine(const std::string& name, const RegData& data);

// An entry's registry file: header, a comment, then each service's key and its values of one side.
std::vector<std::string> journalRegLines(const std::string& comment, const std::vector<CheckedValue>& values,
                                         RegData CheckedValue::*side);

// "000012" for 12: the entry's files sort in their order.
std::string journalNumberText(long number);

}  // namespace qlmr
