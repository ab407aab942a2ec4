#pragma once
// The texts of the history page: column captions, actions, results and values, from the
// language file with built-in Russian ones where it has none.
#include <functional>
#include <string>
#include <vector>

#include "config/journal_format.h"

namespace qlmr {

using HistoryPhrases = std::function<std::string(const std::string& key)>;

// The built-in Russian text of a history key (empty for an unknown key).
std::string builtinHistoryPhrase(const std::string& key);

std::vector<std::string> historyColumns(const HistoryPhrases& phrases);        // "Когда", "Действие", ...
std::vector<std::string> historyValueColumns(const HistoryPhrases& phrases);   // "Служба", "Значение", ...
// An action as a person reads it; one this version does not know stays as stored.
std::string historyActionName(const std::string& action, const HistoryPhrases& phrases);
std::string historyResultText(const JournalResult& result, const HistoryPhrases& phrases);
std::string historyValueText(const RegData& data, const HistoryPhrases& phrases);

// The rows of the entries list, in the order given: when, action, file, values, result.
std::vector<std::vector<std::string>> historyRows(const std::vector<JournalEntry>& entries,
                                                  const HistoryPhrases& phrases);
// The rows of an entry's values: service, value ("@" for the default one), before, after.
std::vector<std::vector<std::string>> historyValueRows(const std::vector<CheckedValue>& values,
                                                       const HistoryPhrases& phrases);

// What an undo would change now: one line per value whose registry value (before) differs from
// what the undo sets (expected), at most `limit` lines and then how many more.
std::string historyUndoPreview(const std::vector<CheckedValue>& values, const HistoryPhrases& phrases, size_t limit);

}  // namespace qlmr
