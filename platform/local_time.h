#pragma once
// A wall-clock reading as the system's local time gives it.

namespace qlmr {

struct LocalTime {
    int year, month, day, hour, minute, second;
};

}  // namespace qlmr
