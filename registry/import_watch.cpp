#include "registry/import_watch.h"

#include <cctype>
#include <map>

#include "base/environment.h"
#include "base/identity.h"
#include "config/reg_file.h"
#include "platform/files.h"
#include "platform/text_codec.h"
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
    const RegFileContent file = parseRegFile(regFileText(bytes, ansiToUtf8));
    check.values = valuesToCheck(file, services, ansiToUtf8);
    readRegistry(check.values, &CheckedValue::before);
    return check;
}

void ImportWatch::drop() {
    timer_.stop();
    editor_.reset();
}

void ImportWatch::watch(Check check, std::unique_ptr<WatchedProcess> editor) {
    drop();
    editor_ = std::move(editor);
    check_ = std::move(check);
    if (editor_) timer_.start(kPollMilliseconds, [this] { poll(); });
}

void ImportWatch::poll() {
    if (!editor_ || !editor_->exited()) return;
    timer_.stop();
    editor_.reset();
    Check done = std::move(check_);
    report_(finishImportCheck(done));
}

std::vector<std::string> finishImportCheck(ImportWatch::Check& check) {
    if (!check.fileRead)
        return {"Проверка импорта: файл " + check.shownName + " не прочитан, сравнивать не с чем"};
    readRegistry(check.values, &CheckedValue::after);
    return importCheckLines(check.values, check.shownName);
}

}  // namespace qlmr
