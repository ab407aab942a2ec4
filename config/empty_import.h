#pragma once
// A file handed over for import in which the program's reader finds nothing to import: an empty
// file, random bytes, a text file renamed to ".reg". Such a file is named, never counted as a match.
#include <string>
#include <string_view>

#include "config/reg_file.h"

namespace qlmr {

// True when the file sets or deletes at least one value, or deletes a key.
bool holdsRegistryValues(const RegFileContent& file);

// "В файле " + name + " нет значений реестра"
std::string noRegistryValuesLine(const std::string& name);

}  // namespace qlmr
