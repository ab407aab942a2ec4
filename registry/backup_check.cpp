#include "registry/backup_check.h"

#include <unordered_map>
#include <unordered_set>

namespace qlmr {
namespace {

constexpr std::string_view kRootPrefix = "HKEY_LOCAL_MACHINE\\";

std::string lowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return out;
}

// A file key below HKEY_LOCAL_MACHINE as the branch names it; empty for a key elsewhere.
std::string branchPathOf(std::string_view filePath) {
    if (filePath.size() < kRootPrefix.size() || lowerAscii(filePath.substr(0, kRootPrefix.size())) != lowerAscii(kRootPrefix))
        return {};
    return lowerAscii(filePath.substr(kRootPrefix.size()));
}

using FileKeys = std::unordered_map<std::string, std::unordered_set<std::string>>;

FileKeys keysOf(const RegFileContent& file) {
    FileKeys keys;
    for (const RegKey& key : file.keys) {
        if (key.deleted) continue;
        const std::string path = branchPathOf(key.path);
        if (path.empty()) continue;
        std::unordered_set<std::string>& names = keys[path];
        for (const RegValue& v : key.values)
            if (v.kind != RegValueKind::Delete) names.insert(lowerAscii(v.name));
    }
    return keys;
}

bool endsInsideLine(std::string_view text) { return !text.empty() && text.back() != '\n' && text.back() != '\r'; }

}  // namespace

BackupCoverage backupCoverage(const std::vector<BranchKey>& branch, std::string_view utf8Text) {
    const FileKeys file = keysOf(parseRegFile(utf8Text));
    BackupCoverage c;
    c.cutOff = endsInsideLine(utf8Text);
    for (const BranchKey& key : branch) {
        ++c.keys;
        c.values += key.valueNames.size();
        const auto found = file.find(lowerAscii(key.path));
        if (found == file.end()) {
            ++c.missingKeys;
            c.missingValues += key.valueNames.size();
            if (c.firstMissing.empty()) c.firstMissing = key.path;
            continue;
        }
        for (const std::string& name : key.valueNames) {
            if (found->second.count(lowerAscii(name))) continue;
            ++c.missingValues;
            if (c.firstMissing.empty()) c.firstMissing = key.path + "\\" + (name.empty() ? "@" : name);
        }
    }
    return c;
}

bool isCutOffBranchExport(std::string_view utf8Text) {
    if (!endsInsideLine(utf8Text)) return false;
    const RegFileContent file = parseRegFile(utf8Text);
    for (const RegKey& key : file.keys)
        if (lowerAscii(key.path) == "hkey_local_machine\\system\\currentcontrolset\\services") return true;
    return false;
}

std::vector<std::string> backupCheckLines(const std::string& name, const BackupCoverage& c,
                                          const std::optional<std::string>& failure) {
    if (!failure && c.complete())
        return {"Резервная копия проверена: " + name + ", разделов: " + std::to_string(c.keys) +
                ", значений: " + std::to_string(c.values)};
    std::string missing;
    if (failure) {
        missing = *failure;
    } else {
        missing = "В файле нет разделов: " + std::to_string(c.missingKeys) + " из " + std::to_string(c.keys) +
                  ", значений: " + std::to_string(c.missingValues) + " из " + std::to_string(c.values);
        if (!c.firstMissing.empty()) missing += "; первый недостающий: " + c.firstMissing;
        if (c.cutOff) missing += "; файл обрывается на середине строки";
    }
    return {"Резервная копия не создана или неполна: " + name, missing};
}

}  // namespace qlmr
