#pragma once
// The activity log's line prefix "[dd.mm.yyyy hh.nn.ss] " and the last stamp.
#include <string>

#include "platform/local_time.h"

namespace qlmr {

// "dd.mm.yyyy hh.nn.ss": full stops as separators whatever the locale, so it fits file names.
std::string formatStamp(const LocalTime& t);

}  // namespace qlmr
