#pragma once
#include <string>

#include "base/hidden_state.h"
#include "base/page_host.h"

namespace qlmr {

// Before a swap-back: tells in a box and the log how many values will stay replaced because
// their originals are nowhere to be had (the snapshot and the journal both lack them). Says
// nothing when none.
void tellLostOriginals(const HiddenState& state, PageHost& host, const std::string& snapshotPath);

}  // namespace qlmr
