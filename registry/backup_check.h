#pragma once
// Checking a backup as the imports are checked: the file read back with the program's own
// reader must hold every key and value of the services branch, or the backup is told as
// missing or incomplete.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/reg_file.h"
#include "platform/registry_tree.h"

namespace qlmr {

struct BackupCoverage {
    size_t keys = 0, values = 0;                 // of the branch
    size_t missingKeys = 0, missingValues = 0;   // of those, not in the file
    std::string firstMissing;                    // the first key (or key\value) the file lacks
    bool cutOff = false;                         // the text ends inside a line
    bool complete() const { return missingKeys == 0 && missingValues == 0 && !cutOff; }
};

// What of the branch (paths below HKEY_LOCAL_MACHINE) the file's text holds; keys and value
// names compare without letter case, as the registry does.
BackupCoverage backupCoverage(const std::vector<BranchKey>& branch, std::string_view utf8Text);

// An export of the whole services branch whose text stops inside a line, as a full disk leaves it.
bool isCutOffBranchExport(std::string_view utf8Text);

// The activity-log lines of a finished check: one line when the backup is whole; otherwise
// "Резервная копия не создана или неполна: " + name and one line saying what is missing.
// failure, when set, is why there was nothing to compare (no file, an unreadable one, no branch).
std::vector<std::string> backupCheckLines(const std::string& name, const BackupCoverage& coverage,
                                          const std::optional<std::string>& failure);

}  // namespace qlmr
