#include "base/file_names.h"
#include "config/start_preview.h"

#include <algorithm>

namespace qlmr {
namespace {

constexpr uint32_t kDisabled = 4;
constexpr uint32_t kAutomatic = 2;

const StartTarget* targetOf(const std::vector<StartTarget>& targets, const std::string& systemName) {
    for (const StartTarget& t : targets)
        if (sameNameNoCase(t.systemName, systemName)) return &t;
    return nullptr;
}

// Services that cannot run as they do now once `needed` is off.
std::vector<std::string> activeDependents(const std::vector<ServiceNow>& catalogue, const ServiceNow& needed,
                                          const RunningQuery& running) {
    std::vector<std::string> names;
    for (const ServiceNow& s : catalogue) {
        if (!s.installed || sameNameNoCase(s.systemName, needed.systemName)) continue;
        const bool needs = containsNoCase(s.dependOnService, needed.systemName) ||
                           (!needed.group.empty() && containsNoCase(s.dependOnGroup, needed.group));
        if (!needs || (s.start != kAutomatic && !running(s))) continue;
        if (std::find(names.begin(), names.end(), s.displayName) == names.end()) names.push_back(s.displayName);
    }
    return names;
}

}  // namespace

int StartPreview::countAfter(uint32_t start) const {
    return int(std::count_if(rows.begin(), rows.end(), [&](const PreviewRow& r) { return r.after == start; }));
}

std::string serviceOfKeyPath(const std::string& path) {
    static const std::string branch = kServicesKeyPath;
    std::string rest;
    for (const char* root : {kLocalMachineRoot, "HKLM"}) {
        const std::string prefix = root + branch;
        if (startsWithNoCase(path, prefix)) rest = path.substr(prefix.size());
    }
    return rest.find('\\') == std::string::npos ? rest : std::string();
}

std::vector<StartTarget> startTargets(const RegFileContent& file) {
    std::vector<StartTarget> targets;
    for (const RegKey& key : file.keys) {
        const std::string service = serviceOfKeyPath(key.path);
        if (service.empty() || key.deleted) continue;
        for (const RegValue& value : key.values) {
            if (value.kind != RegValueKind::Dword || !sameNameNoCase(value.name, "Start")) continue;
            auto same = [&](const StartTarget& t) { return sameNameNoCase(t.systemName, service); };
            targets.erase(std::remove_if(targets.begin(), targets.end(), same), targets.end());
            targets.push_back({service, value.dword});
        }
    }
    return targets;
}

StartPreview buildStartPreview(const std::vector<ServiceNow>& catalogue, const std::vector<StartTarget>& targets,
                               const RunningQuery& running) {
    StartPreview preview;
    std::vector<std::string> counted;   // a name twice in the catalogue is one service
    for (const ServiceNow& s : catalogue) {
        const StartTarget* target = targetOf(targets, s.systemName);
        if (!target || containsNoCase(counted, s.systemName)) continue;
        counted.push_back(s.systemName);
        if (!s.installed) {
            ++preview.notInstalled;
            continue;
        }
        if (target->start == s.start) continue;
        PreviewRow row;
        row.systemName = s.systemName;
        row.displayName = s.displayName;
        row.now = s.start;
        row.after = target->start;
        if (target->start == kDisabled) {
            row.disablesRunning = running(s);
            row.dependents = activeDependents(catalogue, s, running);
        }
        preview.rows.push_back(std::move(row));
    }
    std::stable_partition(preview.rows.begin(), preview.rows.end(), [](const PreviewRow& r) { return r.eyeCatching(); });
    return preview;
}

}  // namespace qlmr
