#pragma once
// One line per benchmark: what, this program's figure, the reference's figure, the ratio, the
// target and whether it holds. bench/run collects the lines starting with "BENCH|".
#include <chrono>
#include <cstdio>
#include <string>

namespace bench {

inline void report(const std::string& what, double figure, double reference, const std::string& unit,
                   double target, bool lowerIsBetter) {
    double ratio = reference > 0 ? figure / reference : 0;
    bool holds = lowerIsBetter ? ratio <= target : ratio >= target;
    std::printf("BENCH|%s|%.3f %s|%.3f %s|%.2f|%s %.2f|%s\n", what.c_str(), figure, unit.c_str(), reference,
                unit.c_str(), ratio, lowerIsBetter ? "<=" : ">=", target, holds ? "holds" : "MISSED");
    std::fflush(stdout);
}

// A plain figure against an absolute target (no reference program).
inline void reportAbsolute(const std::string& what, double figure, const std::string& unit, double target) {
    std::printf("BENCH|%s|%.3f %s|-|-|<= %.3f %s|%s\n", what.c_str(), figure, unit.c_str(), target, unit.c_str(),
                figure <= target ? "holds" : "MISSED");
    std::fflush(stdout);
}

inline double nowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace bench
