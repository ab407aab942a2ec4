#pragma once
// INI text as language files, main.ini and dravel.twk use it: "[section]" lines open sections,
// "key=value" lines give values (blanks around key and value trimmed, value after the first "="),
// empty lines and lines beginning with ";" ignored, names matched without regard to letter case.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/name_compare.h"

namespace qlmr {

class IniText {
public:
    IniText() = default;
    explicit IniText(std::string_view text);   // lines end at CR LF, CR or LF
    // The first value of key in section, as GetPrivateProfileString finds it.
    std::optional<std::string> value(const std::string& section, const std::string& key) const;
    std::string read(const std::string& section, const std::string& key, const std::string& fallback) const;
    bool hasSection(const std::string& section) const;

private:
    std::map<std::string, std::map<std::string, std::string, NoCaseLess>, NoCaseLess> sections_;
};

// Values are handed out with at most this many characters, as the profile reader does.
constexpr size_t kProfileValueLimit = 2047;

}  // namespace qlmr
