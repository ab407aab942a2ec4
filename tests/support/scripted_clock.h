#pragma once
// The local time of a test: from a fixed moment, moved on by a set number of seconds at every
// reading (0 keeps every log line in one second).
#include <string>

#include "base/log_prefix.h"
#include "platform/clock.h"

namespace qlmr::test {

class ScriptedClock {
public:
    explicit ScriptedClock(int secondsPerReading) : step_(secondsPerReading) {
        setLocalClock([this] {
            LocalTime t = at(elapsed_);
            elapsed_ += step_;
            return t;
        });
    }
    ~ScriptedClock() { setLocalClock(nullptr); }
    ScriptedClock(const ScriptedClock&) = delete;
    ScriptedClock& operator=(const ScriptedClock&) = delete;

    // The stamp the next reading gives: the time of a save's own first line.
    std::string upcomingStamp() const { return formatStamp(at(elapsed_)); }

private:
    // From 31.12.2026 23.59.50, so that minutes, hours, the day and the year roll over early
    // (a test makes far fewer than a month of readings).
    static LocalTime at(long elapsed) {
        long s = 23 * 3600 + 59 * 60 + 50 + elapsed;   // seconds since 31.12.2026 00.00.00
        const int day = int(s / 86400);
        s %= 86400;
        const int hour = int(s / 3600), minute = int(s / 60 % 60), second = int(s % 60);
        if (day == 0) return {2026, 12, 31, hour, minute, second};
        return {2027, 1, day, hour, minute, second};
    }
    int step_;
    long elapsed_ = 0;
};

}  // namespace qlmr::test
