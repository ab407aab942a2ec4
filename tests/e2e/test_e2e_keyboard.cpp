// The program driven by key presses alone, in Russian and English: the language chooser, every
// page of the main window and the about window. Tab reaches every control of a window in the
// declared order, Esc in an edit leaves the page whole, Ctrl+Tab turns the pages, and whenever
// a window of the program closes the main window is in front with a control focused.
#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/e2e/driver.h"

using namespace e2e;

namespace {

// Keys go in as the keyboard's own: through the system's input queue to the window in front.
void press(std::initializer_list<WORD> chord) {
    std::vector<INPUT> keys;
    for (WORD k : chord) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = k;
        keys.push_back(in);
    }
    for (auto k = chord.end(); k != chord.begin();) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = *--k;
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        keys.push_back(in);
    }
    SendInput(UINT(keys.size()), keys.data(), sizeof(INPUT));
    pumpSleep(150);
}

HWND focusIn(HWND top) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info);
    return info.hwndFocus;
}

bool hasClass(HWND h, const wchar_t* cls) {
    wchar_t name[32] = {};
    return GetClassNameW(h, name, 32) && lstrcmpiW(name, cls) == 0;
}

// The control the focus is on; an editable combo box's focus is in its own edit.
HWND focusedControl(HWND top) {
    HWND h = focusIn(top);
    if (h && hasClass(GetParent(h), L"ComboBox")) h = GetParent(h);
    return h;
}

// Tab until the focus comes back where it started: the names of the controls it went through.
std::vector<std::string> tabCycle(Program& p, HWND top, std::vector<HWND>* windows = nullptr) {
    std::vector<std::string> names;
    HWND first = focusedControl(top);
    for (int i = 0; i < 40; ++i) {
        HWND h = focusedControl(top);
        if (i > 0 && h == first) break;
        names.push_back(h ? componentName(h) : "(none)");
        if (windows) windows->push_back(h);
        press({VK_TAB});
        for (int wait = 0; wait < 30 && focusedControl(top) == h; ++wait) pumpSleep(50);   // a loaded machine
    }
    return names;
}

// The declared order less what is disabled or hidden now, begun at the first control named.
std::vector<std::string> expectedCycle(Program& p, HWND top, const std::vector<std::string>& declared) {
    std::vector<std::string> shown;
    for (const std::string& name : declared) {
        HWND h = p.control(name, top);
        if (IsWindowEnabled(h) && IsWindowVisible(h)) shown.push_back(name);
    }
    return shown;
}

// The cycle begun at the first control named, as one line that a failed check shows.
std::string startingAt(std::vector<std::string> cycle, const std::string& first) {
    auto at = std::find(cycle.begin(), cycle.end(), first);
    if (at != cycle.end()) std::rotate(cycle.begin(), at, cycle.end());
    std::string line;
    for (const std::string& name : cycle) line += name + " ";
    return line;
}

std::string joined(const std::vector<std::string>& names) { return startingAt(names, ""); }

void waitFor(bool (*done)(HWND), HWND h) {
    for (int i = 0; i < 100 && !done(h); ++i) pumpSleep(30);
}

bool hidden(HWND h) { return !IsWindowVisible(h); }

struct Page {
    int tab;
    std::vector<std::string> order;
};

const std::vector<std::string> kAround = {"TopImage", "MainPageControl"};

std::vector<std::string> withBanner(std::vector<std::string> page) {
    page.insert(page.end(), kAround.begin(), kAround.end());
    return page;
}

const std::vector<Page>& pages() {
    static const std::vector<Page> list = {
        {0, withBanner({"ServiceNameCBUni", "ServiceNames", "ServCheckState", "ServCheckUncheck", "ServStart", "ServStop",
                        "ServHelp", "TweackStart"})},
        {1, withBanner({"Tweackedcf", "DescrFullLabel", "ConfigApplyv", "ConfigApplyUndo", "ChangeDescriptionButton",
                        "ChangeDescriptionBackButton", "ConfigUndoPreview", "DescriptionMemo", "PreviewList"})},
        {2, withBanner({"BackupBox", "BackupSearch", "BackupAdd", "BackupAddNew", "BackupDelete", "RWipe"})},
        {3, withBanner({"LogBox", "LogClear", "LogSave", "LogPrint", "WideTextMemo"})},
        {4, withBanner({"CurrentProcsTntlbx", "EnumProcTntbtn", "OnlineServerTntcmb", "OnlineSearchTntbtn",
                        "OpenDitTntbtn"})},
    };
    return list;
}

int frontTab(Program& p) { return int(SendMessageW(p.control("MainPageControl"), TCM_GETCURSEL, 0, 0)); }

// Esc in each edit the cycle went through leaves every control of the window where it was.
void escapeInEveryEdit(HWND top, const std::vector<HWND>& visited) {
    for (HWND edit : visited) {
        const bool isEdit = hasClass(edit, L"Edit") || (hasClass(edit, L"ComboBox") && FindWindowExW(edit, nullptr, L"Edit", nullptr));
        if (!isEdit) continue;
        for (int i = 0; i < 40 && focusedControl(top) != edit; ++i) press({VK_TAB});
        press({VK_ESCAPE});
        for (HWND h : visited) CHECK(IsWindow(h));
        for (HWND h : visited) CHECK(IsWindowVisible(h));
        CHECK(focusedControl(top) == edit);
    }
}

void checkMainInFront(HWND main) {
    pumpSleep(200);
    CHECK(GetForegroundWindow() == main);
    HWND focus = focusIn(main);
    CHECK(focus != nullptr);
    CHECK((focus == main || IsChild(main, focus)));
    CHECK(focus != main);
}

}  // namespace

TEST_CASE("keyboard alone: the chooser, every page and the about window, in Russian and English") {
    std::string language = "rus.lng", position = "1";
    SUBCASE("Russian") {}
    SUBCASE("English") { language = "eng.lng", position = "0"; }
    CAPTURE(language);
    Program p("keyboard-" + language.substr(0, 3));
    HWND main = p.startAfterFirstRun("[Program]\r\nVersionInfo=3.1\r\nDateRelease=08.12.2026\r\nShowLangForm=y\r\nLangName=" +
                                     language + "\r\nDefaultLang=" + position + "\r\n");
    REQUIRE(main);

    // The chooser: its three controls in order; Esc closes it and the main window takes the keys.
    HWND chooser = p.findTopLevel("TLangForm", 10000);
    REQUIRE(chooser);
    SetForegroundWindow(chooser);
    pumpSleep(300);
    CHECK(startingAt(tabCycle(p, chooser), "LangFormRNComboBox") == "LangFormRNComboBox CloselangFButton ShowCheckBox ");
    press({VK_ESCAPE});
    waitFor(hidden, chooser);
    REQUIRE_FALSE(IsWindowVisible(chooser));
    checkMainInFront(main);

    // Each page: Ctrl+Tab brings it to the front from wherever the focus is, Tab goes through its
    // controls in order, and Esc in its edits destroys nothing.
    for (const Page& page : pages()) {
        CAPTURE(page.tab);
        if (page.tab > 0) press({VK_CONTROL, VK_TAB});
        REQUIRE(frontTab(p) == page.tab);
        for (int i = 0; i < 3 && (componentName(focusedControl(main)) == "TopImage" ||
                                  componentName(focusedControl(main)) == "MainPageControl"); ++i)
            press({VK_TAB});
        std::vector<HWND> visited;
        const std::vector<std::string> cycle = tabCycle(p, main, &visited);
        CHECK(startingAt(cycle, page.order.front()) == joined(expectedCycle(p, main, page.order)));
        escapeInEveryEdit(main, visited);
        CHECK(frontTab(p) == page.tab);
        for (int i = 0; i < 40 && componentName(focusedControl(main)) != page.order.front(); ++i) press({VK_TAB});
    }

    // The extra-functions panel, once open, comes right after the list it stands beside.
    press({VK_CONTROL, VK_PRIOR});
    CHECK(frontTab(p) == 3);
    press({VK_CONTROL, VK_SHIFT, VK_TAB});
    press({VK_CONTROL, VK_SHIFT, VK_TAB});
    press({VK_CONTROL, VK_SHIFT, VK_TAB});
    REQUIRE(frontTab(p) == 0);
    for (int i = 0; i < 40 && componentName(focusedControl(main)) != "TweackStart"; ++i) press({VK_TAB});
    press({VK_SPACE});
    std::vector<std::string> panelOrder = pages()[0].order;
    const std::vector<std::string> panel = {"SortTwA", "SortTwNA", "SortTwD", "ServiceapletstartButton",
                                            "RegistryJumpButton", "OpLangRNComboBox", "OptCColorButton", "OpCFontButton"};
    panelOrder.insert(panelOrder.begin() + 2, panel.begin(), panel.end());
    CHECK(startingAt(tabCycle(p, main), "ServiceNameCBUni") == joined(expectedCycle(p, main, panelOrder)));

    // The about window from the banner by Enter: its buttons in order; Esc closes it and the
    // focus is back on the banner.
    for (int i = 0; i < 40 && componentName(focusedControl(main)) != "TopImage"; ++i) press({VK_TAB});
    press({VK_RETURN});
    HWND about = p.findTopLevel("TAboutForm", 5000);
    REQUIRE(about);
    pumpSleep(300);
    CHECK(startingAt(tabCycle(p, about), "MailButton") ==
          "MailButton CloseAboutButton AllAboutButton VersionsButton WebSite ");
    press({VK_ESCAPE});
    waitFor(hidden, about);
    CHECK_FALSE(IsWindowVisible(about));
    checkMainInFront(main);
    CHECK(componentName(focusedControl(main)) == "TopImage");
}
