#pragma once
// The texts the description swap-ins replaced, as the journal keeps them, so that swapping back
// restores the texts from before the first swap-in still in force whatever the shipped file
// says now; and the values whose originals nothing holds any more.
#include <string>
#include <vector>

#include "config/snapshot.h"

namespace qlmr {

class Journal;

// The journal's swap-ins, newest first; an entry whose files cannot be read is left out.
std::vector<DescriptionSwapIn> journalSwapIns(const Journal& journal);

// The text a value held before the swap-ins still in force replaced it: followed back from the
// text held now through every swap-in that set it. Nothing when no swap-in set it.
std::optional<RegText> swappedInOriginal(const std::vector<DescriptionSwapIn>& swapIns, const std::string& service,
                                         bool displayName, const RegText& now);

struct LostOriginal {
    std::string service, name;
};

// The values a swap-back leaves replaced: the registry holds a text a swap-in put there (or, with
// no swap-in known for it, the shipped replacement's text), and the snapshot to import holds that
// same text or nothing for it. `snapshot` and `replacement` are the two files' texts by service.
std::vector<LostOriginal> lostOriginals(const std::vector<std::string>& services, Registry& registry,
                                        const std::vector<DescriptionSwapIn>& swapIns,
                                        const std::map<std::string, ServiceTexts, NoCaseLess>& snapshot,
                                        const std::map<std::string, ServiceTexts, NoCaseLess>& replacement);

}  // namespace qlmr

namespace qlmr {

class MainForm;

// Before a swap-back: tells in a box and the log how many values will stay replaced because
// their originals are nowhere to be had. Says nothing when none.
void tellLostOriginals(MainForm& form, const std::string& snapshotPath);

}  // namespace qlmr
