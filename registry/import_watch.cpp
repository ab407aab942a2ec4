#include "registry/import_watch.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "base/environment.h"
#include "base/identity.h"
#include "config/reg_file.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/process_snapshot.h"
#include "platform/text_codec.h"
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
    const RegFileContent file = parseRegFile(regFileText(bytes, ansiToUtf8));
    check.values = valuesToCheck(file, services, ansiToUtf8);
    readRegistry(check.values, &CheckedValue::before);
    return check;
}

void ImportWatch::drop() {
    timer_.stop();
    editor_.reset();
    followers_.clear();
}

void ImportWatch::watch(Check check, std::unique_ptr<WatchedProcess> editor) {
    drop();
    editor_ = std::move(editor);
    check_ = std::move(check);
    stage_ = Stage::Editor;
    following_ = EditorFollowing{check_.processesBefore, {}};
    settle_ = SettleState{};
    if (editor_ && editor_->id()) following_.followed.insert(editor_->id());
    if (editor_) timer_.start(kPollMilliseconds, [this] { poll(); });
}

void ImportWatch::poll() {
    if (!editor_) return;
    const unsigned long now = tickCount();
    if (check_.branch && check_.branch->changed()) {
        settle_.changeSeen = true;
        settle_.lastChange = now;
    }
    if (stage_ == Stage::Editor) {
        follow(now);   // a launcher's short-lived helpers are seen while they run
        if (!editor_->exited()) return;
        stage_ = Stage::Followers;
        followingSince_ = now;
    }
    follow(now);   // while settling too: an editor handed over to a moment late
    if (followerRunning() && now - followingSince_ < kMostFollowMilliseconds) {
        stage_ = Stage::Followers;
        return;
    }
    if (stage_ == Stage::Followers) {
        stage_ = Stage::Settling;
        settle_.settlingSince = now;
    }
    if (mayCompare(settle_, now)) finish();
}

bool ImportWatch::followerRunning() const {
    return std::any_of(followers_.begin(), followers_.end(), [](const auto& p) { return !p->exited(); });
}

// Whoever the followed processes started since the last look, and editors started meanwhile.
void ImportWatch::follow(unsigned long now) {
    // By name only around the shell's process's end, where a launcher hands over to the editor.
    const bool byName = stage_ != Stage::Editor && now - followingSince_ < kEditorByNameMilliseconds;
    for (unsigned long id : newFollowers(runningProcesses(), following_, byName ? "regedit.exe" : "")) {
        if (auto process = openWatchedProcess(id)) {
            followers_.push_back(std::move(process));
            settle_.followerSeen = true;   // one that cannot be waited for leaves the grace to tell
        }
    }
}

void ImportWatch::finish() {
    timer_.stop();
    editor_.reset();
    followers_.clear();
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
