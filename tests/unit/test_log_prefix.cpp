#include <doctest.h>

#include "base/log_prefix.h"

using qlmr::formatStamp;
using qlmr::LocalTime;

TEST_CASE("log prefix: two-digit fields and full stops as separators") {
    CHECK(formatStamp(LocalTime{2026, 12, 7, 14, 5, 9}) == "07.12.2026 14.05.09");
    CHECK(formatStamp(LocalTime{2026, 12, 7, 2, 27, 1}) == "07.12.2026 02.27.01");
    CHECK(formatStamp(LocalTime{2008, 1, 31, 0, 0, 0}) == "31.01.2008 00.00.00");
    CHECK(formatStamp(LocalTime{2099, 10, 10, 23, 59, 59}) == "10.10.2099 23.59.59");
}

TEST_CASE("log prefix: years below 1000 keep four digits") {
    CHECK(formatStamp(LocalTime{601, 2, 3, 4, 5, 6}) == "03.02.0601 04.05.06");
}

#ifdef _WIN32   // the prefix reads the system's clock, which the native build leaves out
#include "base/last_stamp.h"
#include "platform/clock.h"

TEST_CASE("log prefix: LogPrefix brackets the local time once read and makes it the last stamp") {
    int readings = 0;
    qlmr::setLocalClock([&] {
        ++readings;
        return readings == 1 ? LocalTime{2026, 12, 31, 23, 59, 58} : LocalTime{2027, 1, 1, 0, 0, 3};
    });
    CHECK(qlmr::LogPrefix() == "[31.12.2026 23.59.58] ");
    CHECK(qlmr::lastStamp() == "31.12.2026 23.59.58");
    CHECK(qlmr::lastStamp() == "31.12.2026 23.59.58");   // reading the stamp leaves the clock alone
    CHECK(qlmr::LogPrefix() == "[01.01.2027 00.00.03] ");
    CHECK(qlmr::lastStamp() == "01.01.2027 00.00.03");
    CHECK(readings == 2);
    qlmr::setLocalClock(nullptr);
}
#endif
