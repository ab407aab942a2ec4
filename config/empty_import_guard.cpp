#include "config/empty_import_guard.h"

#include <stdexcept>

#include "base/page_host.h"
#include "config/empty_import.h"
#include "config/reg_file.h"
#include "platform/files.h"
#include "platform/text_codec.h"

namespace qlmr {

// Ends the handler before the editor starts, as a failed start does: the editor would import
// nothing and the check would count nothing as a match. A missing or unreadable file is left to
// the editor, which reports it itself.
void refuseEmptyImport(PageHost& host, const std::string& path, const std::string& shownName) {
    if (!fileExists(path)) return;
    std::string bytes;
    try {
        bytes = readFileBytes(path);
    } catch (const std::exception&) {
        return;
    }
    if (holdsRegistryValues(parseRegFile(regFileText(bytes, ansiToUtf8)))) return;
    const std::string line = noRegistryValuesLine(shownName);
    host.logLine(line);
    throw std::runtime_error(line);
}

}  // namespace qlmr
