#pragma once
#include "app/log_prefix.h"

namespace qlmr {

LocalTime localNow();
unsigned long tickCount();
void sleepAlertable(unsigned long ms);
void sleepPlain(unsigned long ms);
std::string shortDateToday();   // the system's short date format

}  // namespace qlmr
