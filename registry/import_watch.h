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
#include "registry/import_watch_stages.h"
#include "toolkit/timer.h"

namespace qlmr {

class ImportWatch {
public:
    // Receives the summary line first, then one line per differing value.
    using Report = std::function<void(const std::vector<std::string>& lines)>;

    struct Check {
        std::string shownName;   // the file as the log names it
        bool fileRead = false;
        std::vector<CheckedValue> values;
        std::set<unsigned long> processesBefore;        // to tell the editor's own helpers
        std::unique_ptr<RegistryChangeWatch> branch;    // armed before the editor starts
    };

    explicit ImportWatch(Report report);
    ~ImportWatch();

    // Reads the file and what the registry holds now for it; call just before the editor starts.
    static Check prepare(const std::string& path, const std::string& shownName,
                         const std::vector<std::string>& services);
    // Watches the editor; a check still waiting is dropped for this one. Without a process to
    // watch there is nothing to wait for, and no check.
    void watch(Check check, std::unique_ptr<WatchedProcess> editor);
    bool pending() const { return editor_ != nullptr; }
    void drop();   // forgets a check still waiting
    // One look at the editor: when it has ended, the check is made and reported.
    void poll();

    static constexpr unsigned kPollMilliseconds = 100;
    // The editor's helpers are waited for this long at most (the user may sit at its question).
    static constexpr unsigned long kMostFollowMilliseconds = 10 * 60 * 1000;

private:
    enum class Stage { Editor, Followers, Settling };
    void follow(unsigned long now);
    bool followerRunning() const;
    void finish();

    Report report_;
    Check check_;
    std::unique_ptr<WatchedProcess> editor_;
    Stage stage_ = Stage::Editor;
    EditorFollowing following_;
    std::vector<std::unique_ptr<WatchedProcess>> followers_;   // held till the end: their ids stay theirs
    SettleState settle_;
    unsigned long followingSince_ = 0;
    tk::Timer timer_;
};

// The activity-log lines of a finished check, with the registry read now.
std::vector<std::string> finishImportCheck(ImportWatch::Check& check);

}  // namespace qlmr
