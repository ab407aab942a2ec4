#include "registry/import_watch.h"

#include <cctype>
#include <map>
#include <stdexcept>

#include "base/environment.h"
#include "base/identity.h"
#include "base/page_host.h"
#include "config/empty_import.h"
#include "config/reg_file.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "registry/backup_check.h"
#include "registry/regedit.h"

namespace qlmr {
namespace {

std::string lowerName(std::string s) {
    for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Fills one side of every value from the registry, each service key opened once.
void readRegistry(std::vector<CheckedValue>& values, RegData CheckedValue::*side) {
    std::map<std::string, std::unique_ptr<RegistryKey>> keys;
    for (CheckedValue& v : values) {
        auto [at, added] = keys.try_emplace(lowerName(v.service));
        if (added) at->second = env().registry->openLocalMachine(kServicesKeyPath + v.service);
        std::optional<RawRegValue> raw;
        if (at->second) raw = at->second->readRaw(v.name);
        v.*side = raw ? registryData(uint32_t(raw->type), raw->bytes) : RegData{};
    }
}

}  // namespace

ImportWatch::ImportWatch(Report report) : report_(std::move(report)) {}
ImportWatch::~ImportWatch() = default;

ImportWatch::Check ImportWatch::prepare(const std::string& path, const std::string& shownName,
                                        const std::vector<std::string>& services) {
    Check check;
    check.shownName = shownName;
    // The editor reports a missing or unreadable file itself; the check then has nothing to compare.
    if (!fileExists(path)) return check;
    std::string bytes;
    try {
        bytes = readFileBytes(path);
    } catch (const std::exception&) {
        return check;
    }
    check.fileRead = true;
    const std::string text = regFileText(bytes, ansiToUtf8);
    check.cutOff = isCutOffBranchExport(text);
    const RegFileContent file = parseRegFile(text);
    check.values = valuesToCheck(file, services, ansiToUtf8);
    readRegistry(check.values, &CheckedValue::before);
    return check;
}

void ImportWatch::watch(Check check, std::unique_ptr<WatchedProcess> editor) {
    auto waiting = std::make_shared<Check>(std::move(check));
    queue_.watch(std::move(editor), [this, waiting]() -> ImportQueue::Report {
        const std::vector<std::string> lines = finishImportCheck(*waiting);
        return [this, lines] { report_(lines); };
    });
}

std::vector<std::string> finishImportCheck(ImportWatch::Check& check) {
    if (!check.fileRead)
        return {"Проверка импорта: файл " + check.shownName + " не прочитан, сравнивать не с чем"};
    readRegistry(check.values, &CheckedValue::after);
    std::vector<std::string> lines = importCheckLines(check.values, check.shownName);
    // What the file lacks was not restored: such a file never reads as a full match.
    if (check.cutOff) lines.front() += "; файл обрывается на середине строки: ветка в нем не вся";
    return lines;
}

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
