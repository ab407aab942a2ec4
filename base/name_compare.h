#pragma once
// Names compared without regard to letter case: section and key names, registry and service
// names, keywords.
#include <string>
#include <string_view>
#include <vector>

namespace qlmr {

// Case-insensitive comparison for ASCII letters; other bytes compare as they are.
struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const;
};
// The same rule for equality and for a leading part (registry and service names, keywords).
bool sameNameNoCase(std::string_view a, std::string_view b);
bool startsWithNoCase(std::string_view text, std::string_view prefix);
bool containsNoCase(const std::vector<std::string>& names, std::string_view name);

}  // namespace qlmr
