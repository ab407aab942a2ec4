#include "platform/clock.h"

#include <windows.h>

#include "platform/text_codec.h"

namespace qlmr {
namespace {

std::function<LocalTime()>& replacedClock() {
    static std::function<LocalTime()> clock;
    return clock;
}

}  // namespace

void setLocalClock(std::function<LocalTime()> clock) { replacedClock() = std::move(clock); }

LocalTime localNow() {
    if (replacedClock()) return replacedClock()();
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

unsigned long tickCount() { return GetTickCount(); }
void sleepAlertable(unsigned long ms) { SleepEx(ms, TRUE); }
void sleepPlain(unsigned long ms) { Sleep(ms); }

std::string shortDateToday() {
    char buf[128];
    int n = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, buf, sizeof buf);
    return n > 0 ? ansiToUtf8(std::string(buf, size_t(n - 1))) : std::string();
}

}  // namespace qlmr
