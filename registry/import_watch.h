#pragma once
// After every import the program starts: waits for the registry editor without blocking the
// window (a timer looks whether its process has ended, then whether a process it started to do
// the work, such as the 64-bit editor on 64-bit Windows, has ended too, and whether the services
// branch has come to rest), then compares what the file sets for the catalogue's services with
// what the registry holds and reports it in the activity log.
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "config/import_check.h"
#include "platform/registry_change_watch.h"
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
        std::set<unsigned long> processesBefore;        // to tell the editor's own helpers
        std::unique_ptr<RegistryChangeWatch> branch;    // armed before the editor starts
        long journalEntry = 0;   // the journal's entry of this import; 0 for none
        std::function<void()> afterReport;   // what the importing page does once the check is told
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
    void settle() {
        hurry_ = true;
        queue_.settle();
        hurry_ = false;
    }

    static constexpr unsigned kPollMilliseconds = ImportQueue::kPollMilliseconds;
    // The editor's helpers are waited for this long at most (the user may sit at its question).
    static constexpr unsigned long kMostFollowMilliseconds = 10 * 60 * 1000;
    // Told each finished check after its report, the after side read.
    std::function<void(const Check&)> onChecked;

private:
    Report report_;
    bool hurry_ = false;
    ImportQueue queue_;
};

// The activity-log lines of a finished check, with the registry read now.
std::vector<std::string> finishImportCheck(ImportWatch::Check& check);

}  // namespace qlmr
