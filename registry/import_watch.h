#pragma once
// After every import the program starts: waits for the registry editor without blocking the
// window (a timer looks whether its process has ended), then compares what the file sets for the
// catalogue's services with what the registry holds and reports it in the activity log.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/import_check.h"
#include "platform/shell.h"
#include "registry/import_queue.h"

namespace qlmr {

class ImportWatch {
public:
    // Receives the summary line first, then one line per differing value.
    using Report = std::function<void(const std::vector<std::string>& lines)>;

    struct Check {
        std::string shownName;   // the file as the log names it
        bool fileRead = false;
        bool cutOff = false;   // an export of the branch that stops inside a line
        std::vector<CheckedValue> values;
    };

    explicit ImportWatch(Report report);
    ~ImportWatch();

    // Reads the file and what the registry holds now for it; call just before the editor starts.
    static Check prepare(const std::string& path, const std::string& shownName,
                         const std::vector<std::string>& services);
    // Watches the editor behind the checks still waiting; each is reported in turn. Without a
    // process to watch there is nothing to wait for, and no check.
    void watch(Check check, std::unique_ptr<WatchedProcess> editor);
    bool pending() const { return queue_.pending(); }
    // One look at the editors: the checks of those that have ended are made and reported.
    void poll() { queue_.poll(); }
    // The checks of editors that have ended are made now, before the next editor changes anything.
    void settle() { queue_.settle(); }

    static constexpr unsigned kPollMilliseconds = ImportQueue::kPollMilliseconds;

private:
    Report report_;
    ImportQueue queue_;
};

struct PageHost;

// Logs "В файле " + name + " нет значений реестра" and raises it when the file holds no registry
// values, before the editor is started for it.
void refuseEmptyImport(PageHost& host, const std::string& path, const std::string& shownName);

// The activity-log lines of a finished check, with the registry read now.
std::vector<std::string> finishImportCheck(ImportWatch::Check& check);

}  // namespace qlmr
