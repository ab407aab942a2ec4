#include "registry/import_watch_stages.h"

#include <cctype>

namespace qlmr {
namespace {

bool sameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

std::vector<unsigned long> newFollowers(const std::vector<ProcessEntry>& now, EditorFollowing& following,
                                        const std::string& editorName) {
    std::vector<unsigned long> found;
    // A child may be listed before its parent: look again until a pass finds nobody new.
    for (bool grew = true; grew;) {
        grew = false;
        for (const ProcessEntry& p : now) {
            if (following.before.count(p.id) || following.followed.count(p.id)) continue;
            const bool editor = !editorName.empty() && sameName(p.exeName, editorName);
            if (!following.followed.count(p.parentId) && !editor) continue;
            following.followed.insert(p.id);
            found.push_back(p.id);
            grew = true;
        }
    }
    return found;
}

bool mayCompare(const SettleState& state, unsigned long now, const SettleTimes& times) {
    const unsigned long settling = now - state.settlingSince;
    if (settling >= times.most) return true;
    if (state.changeSeen) return now - state.lastChange >= times.quiet;
    return state.followerSeen || settling >= times.grace;
}

}  // namespace qlmr
