#include "registry/backup_watch.h"

#include <optional>

#include "base/identity.h"
#include "config/reg_file.h"
#include "platform/files.h"
#include "platform/registry_tree.h"
#include "platform/text_codec.h"
#include "registry/backup_check.h"

namespace qlmr {
namespace {

// Never a part of a listed name: those end in ".reg".
constexpr const char* kFailedMark = " (не проверена: неполная)";
constexpr const char* kBranchKey = "SYSTEM\\CurrentControlSet\\Services";   // the branch below HKEY_LOCAL_MACHINE

}  // namespace

BackupCheckResult checkBackupFile(const std::string& path, const std::string& name) {
    std::optional<std::string> failure;
    BackupCoverage coverage;
    std::string bytes;
    if (!fileExists(path)) {
        failure = "Файл не найден: " + path;
    } else {
        try {
            bytes = readFileBytes(path);
        } catch (const std::exception& e) {
            failure = std::string("Файл не прочитан: ") + e.what();
        }
    }
    if (!failure) {
        const auto branch = readRegistryBranch(kBranchKey);
        if (branch)
            coverage = backupCoverage(*branch, regFileText(bytes, ansiToUtf8));
        else
            failure = std::string("Не прочитана ветка реестра ") + kServicesBranch;
    }
    BackupCheckResult result;
    result.name = name;
    result.lines = backupCheckLines(name, coverage, failure);
    result.whole = !failure && coverage.complete();
    return result;
}

void BackupWatch::watch(const std::string& path, const std::string& name, std::unique_ptr<WatchedProcess> editor) {
    queue_.watch(std::move(editor), [this, path, name]() -> ImportQueue::Report {
        const BackupCheckResult result = checkBackupFile(path, name);
        return [this, result] { report_(result); };
    });
}

void BackupWatch::remember(const BackupCheckResult& result) {
    if (result.whole)
        failed_.erase(result.name);
    else
        failed_.insert(result.name);
}

std::string BackupWatch::listLine(const std::string& name) const { return failed(name) ? name + kFailedMark : name; }

std::string BackupWatch::fileOfLine(const std::string& line) {
    const std::string mark = kFailedMark;
    if (line.size() > mark.size() && line.compare(line.size() - mark.size(), mark.size(), mark) == 0)
        return line.substr(0, line.size() - mark.size());
    return line;
}

}  // namespace qlmr
