#include "config/filtered_import.h"

#include "base/environment.h"
#include "base/identity.h"
#include "config/reg_file.h"
#include "config/reg_sections.h"
#include "platform/files.h"

namespace qlmr {

std::string installedServiceKeysCopy(const std::string& path) {
    if (!fileExists(path)) return path;
    const std::string copy = programFolder() + kImportFolder + path.substr(path.find_last_of('\\') + 1);
    const auto installed = [](const std::string& service) {
        return env().registry->openLocalMachine(kServicesKeyPath + service) != nullptr;
    };
    createFolders(programFolder() + kImportFolder);
    writeFileAtomically(copy, keepServiceSections(readFileBytes(path), installed));
    return copy;
}

}  // namespace qlmr
