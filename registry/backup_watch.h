#pragma once
// After a new backup has been started: waits for the registry editor's export without blocking
// the window, then reads the file back and compares it with the services branch. The backups
// that failed the check in this run are remembered, so the list marks them and a restore warns.
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/shell.h"
#include "registry/import_queue.h"

namespace qlmr {

struct BackupCheckResult {
    std::string name;                 // the backup's file name
    std::vector<std::string> lines;   // for the activity log
    bool whole = false;
};

// Reads the file and the branch now.
BackupCheckResult checkBackupFile(const std::string& path, const std::string& name);

class BackupWatch {
public:
    using Report = std::function<void(const BackupCheckResult& result)>;
    explicit BackupWatch(Report report) : report_(std::move(report)) {}

    void watch(const std::string& path, const std::string& name, std::unique_ptr<WatchedProcess> editor);
    bool pending() const { return queue_.pending(); }
    void poll() { queue_.poll(); }
    bool failed(const std::string& name) const { return failed_.count(name) != 0; }
    void remember(const BackupCheckResult& result);   // a failed one is marked from now on

    // The backups list's line for a file, and the file of a line.
    std::string listLine(const std::string& name) const;
    static std::string fileOfLine(const std::string& line);

private:
    Report report_;
    ImportQueue queue_;
    std::set<std::string> failed_;
};

}  // namespace qlmr
