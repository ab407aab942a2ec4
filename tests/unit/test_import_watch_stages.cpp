// Who carries on an import after the shell's process, and when the check may compare.
#include <doctest.h>

#include <algorithm>

#include "registry/import_watch_stages.h"

using namespace qlmr;

TEST_CASE("import followers: the launcher's children, grandchildren listed first, and editors started since") {
    EditorFollowing following{{1, 2, 7}, {10}};   // 7: an editor open before (the registry jump's)
    const std::vector<ProcessEntry> now = {
        {1, 0, "explorer.exe"}, {7, 1, "regedit.exe"},   // running before: never followed
        {12, 11, "regedit.exe"},                          // grandchild listed before its parent
        {11, 10, "cmd.exe"},                              // the launcher's child
        {13, 1, "REGEDIT.EXE"},                           // an editor the launcher had a broker start
        {14, 1, "notepad.exe"},                           // started meanwhile, nobody's helper
    };
    std::vector<unsigned long> found = newFollowers(now, following, "regedit.exe");
    std::sort(found.begin(), found.end());
    CHECK(found == std::vector<unsigned long>{11, 12, 13});
    CHECK(newFollowers(now, following, "regedit.exe").empty());   // each is found once
    const std::vector<ProcessEntry> later = {{15, 12, "regedit.exe"}, {16, 14, "child.exe"}};
    CHECK(newFollowers(later, following, "regedit.exe") == std::vector<unsigned long>{15});
    // Past the time editors are taken by name, only children count.
    const std::vector<ProcessEntry> jump = {{17, 1, "regedit.exe"}, {18, 15, "conhost.exe"}};
    CHECK(newFollowers(jump, following, "") == std::vector<unsigned long>{18});
}

TEST_CASE("import settling: a changed branch rests, a followed editor's No compares at once, else a grace") {
    const SettleTimes times{300, 1500, 10000};
    struct Case {
        const char* what;
        SettleState state;
        unsigned long now;
        bool compare;
    };
    const unsigned long wrap = 0xFFFFFF00UL;   // GetTickCount wraps after 49.7 days
    const Case cases[] = {
        {"changed just now", {true, true, 1000, 1100}, 1200, false},
        {"changed, then quiet", {true, true, 1000, 1100}, 1400, true},
        {"changed while the editor ran", {false, true, 5000, 1000}, 5000, true},
        {"followed editor ended, nothing changed", {true, false, 1000, 0}, 1000, true},
        {"nobody followed, nothing changed yet", {false, false, 1000, 0}, 2000, false},
        {"nobody followed, grace over", {false, false, 1000, 0}, 2500, true},
        {"a branch that never rests", {true, true, 1000, 10990}, 11000, true},
        {"quiet across the wrap", {true, true, wrap, wrap + 100}, wrap + 500, true},
        {"grace across the wrap", {false, false, wrap, 0}, wrap + 1000, false},
    };
    for (const Case& c : cases) {
        CAPTURE(c.what);
        CHECK(mayCompare(c.state, c.now, times) == c.compare);
    }
}
