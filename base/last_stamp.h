#pragma once
#include <string>

namespace qlmr {

// "[" + local time as "dd.mm.yyyy hh.nn.ss" + "] "; the time text becomes the last stamp.
std::string LogPrefix();
// The time text of the most recent prefix made anywhere; empty before the first.
const std::string& lastStamp();

}  // namespace qlmr
