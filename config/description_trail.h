#pragma once
// Following a description back through the swap-ins the journal keeps: the text a value held
// before the swap-ins still in force, and the values whose originals nothing holds any more.
#include <optional>
#include <string>
#include <vector>

#include "config/import_check.h"
#include "config/snapshot.h"

namespace qlmr {

RegText textOf(const RegData& data);   // a missing value as removed

// The text a value held before the swap-ins still in force replaced it: followed back from the
// text held now through every swap-in (newest first) that set it. Nothing when no swap-in set it.
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
