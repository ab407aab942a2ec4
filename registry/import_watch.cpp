#include "registry/import_watch.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <stdexcept>

#include "base/environment.h"
#include "base/identity.h"
#include "base/page_host.h"
#include "config/empty_import.h"
#include "config/reg_file.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/process_snapshot.h"
#include "platform/text_codec.h"
#include "registry/backup_check.h"
#include "registry/import_watch_stages.h"
#include "registry/regedit.h"

namespace qlmr {
namespace {

constexpr const char* kServicesSubkey = "SYSTEM\\CurrentControlSet\\Services";   // no leading backslash: Wine refuses it

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
    for (const ProcessEntry& p : runningProcesses()) check.processesBefore.insert(p.id);
    check.branch = watchLocalMachineKey(kServicesSubkey);
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

namespace {

// The editor the shell started, seen through to its end: on 64-bit Windows the process the shell
// returns may be a launcher that hands over to the real editor and ends at once. It counts as
// ended once the shell's process, whatever it started and any editor that appeared as it ended
// are gone, and the services branch has been quiet for a moment.
class FollowedEditor : public WatchedProcess {
public:
    FollowedEditor(std::unique_ptr<WatchedProcess> editor, const std::set<unsigned long>& before,
                   RegistryChangeWatch* branch, const bool& hurry)
        : editor_(std::move(editor)), following_{before, {}}, branch_(branch), hurry_(hurry) {
        if (editor_->id()) following_.followed.insert(editor_->id());
    }
    unsigned long id() const override { return editor_->id(); }
    bool exited() override;

private:
    enum class Stage { Editor, Followers, Settling, Done };
    void follow(unsigned long now);
    bool followerRunning() const {
        return std::any_of(followers_.begin(), followers_.end(), [](const auto& p) { return !p->exited(); });
    }

    std::unique_ptr<WatchedProcess> editor_;
    EditorFollowing following_;
    RegistryChangeWatch* branch_;
    const bool& hurry_;   // another import is about to start: no grace for the branch to settle
    Stage stage_ = Stage::Editor;
    std::vector<std::unique_ptr<WatchedProcess>> followers_;   // held till the end: their ids stay theirs
    SettleState settle_;
    unsigned long followingSince_ = 0;
};

bool FollowedEditor::exited() {
    if (stage_ == Stage::Done) return true;
    const unsigned long now = tickCount();
    if (branch_ && branch_->changed()) {
        settle_.changeSeen = true;
        settle_.lastChange = now;
    }
    if (stage_ == Stage::Editor) {
        follow(now);   // a launcher's short-lived helpers are seen while they run
        if (!editor_->exited()) return false;
        stage_ = Stage::Followers;
        followingSince_ = now;
    }
    follow(now);   // while settling too: an editor handed over to a moment late
    if (followerRunning() && now - followingSince_ < ImportWatch::kMostFollowMilliseconds) {
        stage_ = Stage::Followers;
        return false;
    }
    if (stage_ == Stage::Followers) {
        stage_ = Stage::Settling;
        settle_.settlingSince = now;
    }
    if (!hurry_ && !mayCompare(settle_, now)) return false;
    stage_ = Stage::Done;
    followers_.clear();
    return true;
}

// Whoever the followed processes started since the last look, and editors started meanwhile.
void FollowedEditor::follow(unsigned long now) {
    // By name only around the shell's process's end, where a launcher hands over to the editor.
    const bool byName = stage_ != Stage::Editor && now - followingSince_ < kEditorByNameMilliseconds;
    for (unsigned long id : newFollowers(runningProcesses(), following_, byName ? "regedit.exe" : "")) {
        if (auto process = openWatchedProcess(id)) {
            followers_.push_back(std::move(process));
            settle_.followerSeen = true;   // one that cannot be waited for leaves the grace to tell
        }
    }
}

}  // namespace

void ImportWatch::watch(Check check, std::unique_ptr<WatchedProcess> editor) {
    if (!editor) return;
    auto waiting = std::make_shared<Check>(std::move(check));
    auto followed = std::make_unique<FollowedEditor>(std::move(editor), waiting->processesBefore, waiting->branch.get(),
                                                     hurry_);
    queue_.watch(std::move(followed), [this, waiting]() -> ImportQueue::Report {
        const std::vector<std::string> lines = finishImportCheck(*waiting);
        return [this, lines, waiting] {
            report_(lines);
            if (onChecked) onChecked(*waiting);
            if (waiting->afterReport) waiting->afterReport();
        };
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


}  // namespace qlmr
