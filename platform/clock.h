#pragma once
#include <functional>
#include <string>

#include "platform/local_time.h"

namespace qlmr {

LocalTime localNow();
// Replaces the local time that localNow reads (tests move it at will); empty restores the system's.
void setLocalClock(std::function<LocalTime()> clock);
unsigned long tickCount();
void sleepAlertable(unsigned long ms);
void sleepPlain(unsigned long ms);
std::string shortDateToday();   // the system's short date format

}  // namespace qlmr
