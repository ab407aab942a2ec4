#pragma once
// When the check after an import may compare. The shell's process need not be the editor: on
// 64-bit Windows a 32-bit program's "regedit.exe" may be a launcher that starts the 64-bit
// editor and ends at once. So the processes that carry on its work are followed until they end
// too, and the services branch is watched until it has been quiet for a moment.
#include <set>
#include <string>
#include <vector>

#include "platform/process_snapshot.h"

namespace qlmr {

struct EditorFollowing {
    std::set<unsigned long> before;     // running before the editor was started
    std::set<unsigned long> followed;   // the shell's process and those found to carry on its work
};

// The processes found now to carry on the import: not running before, not followed yet, and
// either started by a followed process or an editor by their file name (none by name when the
// name is empty). They join `followed`.
std::vector<unsigned long> newFollowers(const std::vector<ProcessEntry>& now, EditorFollowing& following,
                                        const std::string& editorName);

// Editors by name are taken only in this time after the shell's process ended: an editor the
// user opens at another time (the registry jump's) is none of the import's business.
constexpr unsigned long kEditorByNameMilliseconds = 2000;

struct SettleState {
    bool followerSeen = false;          // some process carried on after the shell's one
    bool changeSeen = false;            // the branch changed since the editor was started
    unsigned long settlingSince = 0;    // ticks when every followed process had ended
    unsigned long lastChange = 0;       // ticks of the latest change seen
};

struct SettleTimes {
    unsigned long quiet = 300;          // a changed branch must rest this long
    unsigned long grace = 1500;         // nobody followed and nothing changed: a late editor's chance
    unsigned long most = 10000;         // a branch that never rests is compared after this
};

// Whether the comparison may be made now (ticks as GetTickCount gives them, wrapping).
bool mayCompare(const SettleState& state, unsigned long now, const SettleTimes& times = {});

}  // namespace qlmr
