// Brings the real program into the states the documentation shows. Runs only when
// scripts/screenshots.sh asks for it (QLMR_SCREENSHOT_DIR); each state is announced with a
// "ready-<name>" file and held until the script answers with "done-<name>".
#include <doctest.h>

#include <cstdlib>
#include <string>

#include "tests/e2e/driver.h"

#include <commctrl.h>

using namespace e2e;

namespace {

const char* shotDir() { return std::getenv("QLMR_SCREENSHOT_DIR"); }

void touch(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(h);
}

// Whether the script wants this picture in this pass (QLMR_SCREENSHOT_ONLY: names apart by blanks).
bool wanted(const std::string& name) {
    const char* only = std::getenv("QLMR_SCREENSHOT_ONLY");
    return !only || !*only || (" " + std::string(only) + " ").find(" " + name + " ") != std::string::npos;
}

// Waits until the script has taken the picture.
void capture(const std::string& name) {
    if (!wanted(name)) return;
    std::string dir = shotDir();
    for (char& c : dir)
        if (c == '/') c = '\\';
    pumpSleep(1500);
    touch(dir + "\\ready-" + name);
    for (int i = 0; i < 600 && GetFileAttributesA((dir + "\\done-" + name).c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
        pumpSleep(50);
}

// Starts or stops a service of the prefix, so that the preview has a running service to warn of.
void controlService(const char* name, bool start) {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    SC_HANDLE service = manager ? OpenServiceA(manager, name, SERVICE_ALL_ACCESS) : nullptr;
    SERVICE_STATUS status{};
    if (service && start) StartServiceA(service, 0, nullptr);
    if (service && !start) ControlService(service, SERVICE_CONTROL_STOP, &status);
    if (service) CloseServiceHandle(service);
    if (manager) CloseServiceHandle(manager);
}

}  // namespace

TEST_CASE("documentation pictures" * doctest::skip(shotDir() == nullptr)) {
    Program p("shots");
    // The shipped settings, so the caption shows the release's version, without the chooser.
    std::string settings = p.readFile("main.ini");
    settings.replace(settings.find("ShowLangForm=y"), 14, "ShowLangForm=N");
    HWND main = p.startAfterFirstRun(settings);
    REQUIRE(main);
    capture("main-window");

    // Services page after a state check, a running service in the panel.
    p.clickNamed("ServCheckState");
    pumpSleep(2000);
    HWND list = p.control("ServiceNames");
    PostMessageW(list, WM_KEYDOWN, VK_HOME, 0);
    for (int i = 0; i < 17; ++i) PostMessageW(list, WM_KEYDOWN, VK_DOWN, 0);   // row 17: the event log, running
    pumpSleep(800);
    capture("services-page");

    controlService("StiSvc", true);   // the lean preset disables it: its row comes first, marked
    pumpSleep(500);
    p.showPage(1);
    HWND preset = p.control("Tweackedcf");
    p.click(preset);
    PostMessageW(preset, BM_SETCHECK, BST_CHECKED, 0);
    capture("configurations-page");
    controlService("StiSvc", false);

    p.showPage(2);
    p.clickNamed("BackupSearch");
    capture("backups-page");

    p.showPage(3);
    capture("log-page");

    p.showPage(4);
    p.clickNamed("EnumProcTntbtn");
    capture("processes-page");

    // Every installed service, one chosen: its details and start type beside the list.
    p.showPage(5);
    pumpSleep(800);
    HWND all = p.control("AllServicesList");
    RECT header;
    GetWindowRect(HWND(SendMessageW(all, LVM_GETHEADER, 0, 0)), &header);
    const LPARAM row = MAKELPARAM(20, header.bottom - header.top + 6 + 4 * 17);   // the fifth row
    PostMessageW(all, WM_LBUTTONDOWN, MK_LBUTTON, row);
    PostMessageW(all, WM_LBUTTONUP, 0, row);
    pumpSleep(500);
    capture("all-services-page");

    if (wanted("history-page")) {
        // Two real imports for the journal: a preset applied, then the descriptions swapped in.
        p.showPage(1);
        p.click(p.control("Tweackedcf"));
        pumpSleep(300);
        p.clickNamed("ConfigApplyv");
        for (int box = 0; box < 3; ++box)
            if (MessageBoxSeen seen = p.waitMessageBox(5000); seen.window) p.answer(seen, box == 0 ? IDYES : IDOK);
        pumpSleep(1500);
        p.clickNamed("ChangeDescriptionButton");
        if (MessageBoxSeen seen = p.waitMessageBox(5000); seen.window) p.answer(seen, IDOK);
        pumpSleep(1500);
        p.showPage(6);
        HWND history = p.control("HistoryList");
        PostMessageW(history, WM_KEYDOWN, VK_HOME, 0);
        PostMessageW(history, WM_KEYDOWN, VK_DOWN, 0);
        capture("history-page");
    }

    // A click on the banner opens the about window.
    PostMessageW(p.control("TopImage"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 20));
    PostMessageW(p.control("TopImage"), WM_LBUTTONUP, 0, MAKELPARAM(40, 20));
    if (HWND about = p.findTopLevel("TAboutForm", 3000)) {
        capture("about-window");
        p.click(p.control("CloseAboutButton", about));
        pumpSleep(300);
    }

    // The main window in English, through the language selector of the extra-functions panel.
    p.showPage(0);
    p.clickNamed("TweackStart");
    pumpSleep(300);   // the panel's controls are made when it comes on screen
    HWND selector = p.control("OpLangRNComboBox");
    int count = int(SendMessageW(selector, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t item[128] = {};
        if (SendMessageW(selector, CB_GETLBTEXTLEN, i, 0) < 127) SendMessageW(selector, CB_GETLBTEXT, i, LPARAM(item));
        if (narrowText(item) == "English") {
            SendMessageW(selector, CB_SETCURSEL, i, 0);
            PostMessageW(GetParent(selector), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(selector), CBN_SELCHANGE),
                         LPARAM(selector));
        }
    }
    pumpSleep(1000);
    capture("main-window-english");
}
