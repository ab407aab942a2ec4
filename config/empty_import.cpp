#include "config/empty_import.h"

namespace qlmr {

bool holdsRegistryValues(const RegFileContent& file) {
    for (const RegKey& key : file.keys)
        if (key.deleted || !key.values.empty()) return true;
    return false;
}

std::string noRegistryValuesLine(const std::string& name) { return "В файле " + name + " нет значений реестра"; }

}  // namespace qlmr
