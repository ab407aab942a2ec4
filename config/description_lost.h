#pragma once
#include <string>

namespace qlmr {

class MainForm;

// Before a swap-back: tells in a box and the log how many values will stay replaced because
// their originals are nowhere to be had (the snapshot and the journal both lack them). Says
// nothing when none.
void tellLostOriginals(MainForm& form, const std::string& snapshotPath);

}  // namespace qlmr
