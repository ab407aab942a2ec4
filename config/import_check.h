#pragma once
// Checking an import: the values a registry file sets for the catalogue's services, compared
// with what the registry holds before and after the registry editor ran.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "config/reg_file.h"

namespace qlmr {

// A value in one form for both sides: texts (types 1, 2 and 7) in UTF-8, the rest as bytes.
struct RegData {
    bool present = false;
    uint32_t type = 0;
    std::string data;
    bool operator==(const RegData& o) const {
        return present == o.present && (!present || (type == o.type && data == o.data));
    }
    bool operator!=(const RegData& o) const { return !(*this == o); }
};

struct CheckedValue {
    std::string service, name;   // the service's system name as the file writes it; "" is the default value
    RegData expected, before, after;
};

using AnsiDecoder = std::function<std::string(std::string_view)>;

// What the registry holds, from the type and the bytes of a wide read (texts in UTF-16LE).
RegData registryData(uint32_t type, std::string_view bytes);

// The values the file sets (or deletes) directly under the keys of the given services, the last
// one written winning; keys of other services and subkeys are left out.
std::vector<CheckedValue> valuesToCheck(const RegFileContent& file, const std::vector<std::string>& services,
                                        const AnsiDecoder& ansiToUtf8);

// The activity-log lines: one summary ("Проверка импорта: 23 из 23 значений совпадают с файлом
// tweaked.html.reg"), then one line per value that differs from the file.
std::vector<std::string> importCheckLines(const std::vector<CheckedValue>& values, const std::string& fileName);

// A value for a person: a number, a quoted text, hex bytes, or that there is none.
std::string describeRegData(const RegData& data);

}  // namespace qlmr
