#pragma once
// The journal of every import the program starts, in the data folder. Each entry is two files,
// "Change NNNNNN.reg" (the values as the registry held them just before the import, a file the
// registry editor imports by hand) and "Change NNNNNN.set" (the values the import set), and two
// lines of the index beside them: the entry, and later its check's result. Nothing is ever
// rewritten or removed.
#include <optional>
#include <string>
#include <vector>

#include "config/journal_format.h"

namespace qlmr {

constexpr const char* kJournalFolder = "Baze\\Journal\\";
constexpr const char* kJournalIndexFile = "index.txt";

class Journal {
public:
    explicit Journal(std::string folder);   // with its trailing backslash
    const std::string& folder() const { return folder_; }

    // Writes the entry's files and its index line before the import; returns its number.
    // Throws when a file cannot be written.
    long record(const std::string& stamp, ImportAction action, const std::string& file,
                const std::vector<CheckedValue>& values);
    void recordResult(long number, const JournalResult& result);

    // The index as it is now; a missing index reads as empty.
    JournalIndex load() const;
    // An entry's values, the before side from its .reg file and the expected side from its .set
    // file; nothing when either file is missing or is no registry file.
    std::optional<std::vector<CheckedValue>> valuesOf(long number) const;

    std::string beforeFileName(long number) const;   // "Change 000012.reg"
    std::string beforeFile(long number) const { return folder_ + beforeFileName(number); }
    std::string setFile(long number) const;

private:
    long nextNumber();
    std::string folder_;
    long highest_ = -1;   // the highest number in use; -1 until the index has been read
};

}  // namespace qlmr
