#pragma once
// The texts the description swap-ins replaced, as the journal keeps them, so that swapping back
// restores the texts from before the first swap-in still in force whatever the shipped file
// says now.
#include <string>
#include <vector>

#include "registry/description_trail.h"

namespace qlmr {

class Journal;
class MainForm;

// The journal's swap-ins, newest first; an entry whose files cannot be read is left out.
std::vector<DescriptionSwapIn> journalSwapIns(const Journal& journal);

// Before a swap-back: tells in a box and the log how many values will stay replaced because
// their originals are nowhere to be had. Says nothing when none.
void tellLostOriginals(MainForm& form, const std::string& snapshotPath);

}  // namespace qlmr
