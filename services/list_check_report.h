#pragma once
// Said once at start-up, after the lists' own lines: the three list files disagree.
#include "base/hidden_state.h"
#include "base/page_host.h"

namespace qlmr {

// One log line and a box naming the file; the lists are used as loaded all the same.
void reportListFilesProblem(PageHost& host, const HiddenState& state);

}  // namespace qlmr
