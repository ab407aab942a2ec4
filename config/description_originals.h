#pragma once
// The description swap-ins as the journal keeps them.
#include <vector>

#include "config/snapshot.h"

namespace qlmr {

class Journal;

// The journal's swap-ins, newest first; an entry whose files cannot be read is left out.
std::vector<DescriptionSwapIn> journalSwapIns(const Journal& journal);

}  // namespace qlmr
