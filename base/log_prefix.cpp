#include "base/log_prefix.h"

#include <cstdio>

namespace qlmr {

std::string formatStamp(const LocalTime& t) {
    char text[80];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d.%02d.%02d",
                  t.day, t.month, t.year, t.hour, t.minute, t.second);
    return text;
}

}  // namespace qlmr
