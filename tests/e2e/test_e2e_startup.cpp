// The real program started from outside: one copy, the caption, the first-run question, the log.
#include <doctest.h>

#include <string>
#include <vector>

#include "tests/e2e/driver.h"

#include <commctrl.h>
#include <shellapi.h>

using namespace e2e;

namespace {

constexpr UINT kHideToTray = 0x0130;   // the system menu's "hide to tray" item

// Only an icon the notification area holds can be modified.
bool inTray(HWND main) {
    NOTIFYICONDATAW d{};
    d.cbSize = NOTIFYICONDATAW_V2_SIZE;
    d.hWnd = main;
    d.uID = 1;
    return Shell_NotifyIconW(NIM_MODIFY, &d);
}

const char* kSettings = "[Program]\r\nVersionInfo=3.1\r\nDateRelease=08.12.2026\r\nShowLangForm=N\r\n"
                        "LangName=rus.lng\r\nDefaultLang=-1\r\n";

}  // namespace

TEST_CASE("the caption carries the version and a second copy ends at once without a window") {
    Program p("caption");
    HWND main = p.startAfterFirstRun(kSettings);
    REQUIRE(main);
    CHECK(p.text(main) == "Quillmere (QLMR) by Palewick Workshop- ver. 3.1");
    CHECK(IsZoomed(main));
    int windows = -1;
    CHECK(p.startSecondCopy(&windows) == 0);
    CHECK(windows == 0);
    CHECK(p.countTopLevel("TMainForm") == 1);
    CHECK(IsWindowVisible(main));
    CHECK(IsZoomed(main));
    // A window minimized to the task bar comes back as it was.
    ShowWindow(main, SW_MINIMIZE);
    REQUIRE(IsIconic(main));
    CHECK(p.startSecondCopy() == 0);
    for (int i = 0; i < 250 && IsIconic(main); ++i) pumpSleep(20);
    CHECK_FALSE(IsIconic(main));
    CHECK(IsZoomed(main));
}

TEST_CASE("a second start while the first copy sits in the tray shows its window; the second ends without one") {
    // With ShowLangForm=y the window comes back with the language chooser, as through the tray menu.
    bool chooser = false;
    SUBCASE("without the chooser") {}
    SUBCASE("with the chooser") { chooser = true; }
    CAPTURE(chooser);
    std::string settings = kSettings;
    if (chooser) settings.replace(settings.find("ShowLangForm=N"), 14, "ShowLangForm=y");
    Program p("secondstart");
    HWND main = p.startAfterFirstRun(settings);
    REQUIRE(main);
    if (chooser) {
        HWND lang = p.findTopLevel("TLangForm", 10000);
        REQUIRE(lang);
        p.click(p.control("CloselangFButton", lang));
        for (int i = 0; i < 100 && IsWindowVisible(lang); ++i) pumpSleep(20);
        REQUIRE_FALSE(IsWindowVisible(lang));
    }
    PostMessageW(main, WM_SYSCOMMAND, kHideToTray, 0);
    for (int i = 0; i < 100 && IsWindowVisible(main); ++i) pumpSleep(20);
    REQUIRE_FALSE(IsWindowVisible(main));
    REQUIRE(inTray(main));

    int windows = -1;
    CHECK(p.startSecondCopy(&windows) == 0);
    CHECK(windows == 0);
    for (int i = 0; i < 250 && !IsWindowVisible(main); ++i) pumpSleep(20);
    CHECK(IsWindowVisible(main));
    HWND lang = p.findTopLevel("TLangForm", chooser ? 5000 : 500);
    CHECK(bool(lang) == chooser);
    // The chooser is modal: as after the tray menu's "open" item, the icon goes once it closes.
    if (lang) p.click(p.control("CloselangFButton", lang));
    for (int i = 0; i < 100 && inTray(main); ++i) pumpSleep(20);
    CHECK_FALSE(inTray(main));
    CHECK(p.countTopLevel("TMainForm") == 1);
}

TEST_CASE("the state check counts the catalogue into the labels the services page draws") {
    Program p("statecheck");
    REQUIRE(p.startAfterFirstRun(kSettings));
    CHECK(p.labelText("StatAllLabel") == "Всего :");
    CHECK(p.labelText("InfoNameLb") == "Системное название службы ");
    p.clickNamed("ServCheckState");
    std::string all;
    for (int i = 0; i < 200 && all != "Всего: 91"; ++i) {
        pumpSleep(50);
        all = p.labelText("StatAllLabel");
    }
    CHECK(all == "Всего: 91");
    CHECK(p.labelText("ActiveStatLabel").rfind("Активных: ", 0) == 0);
}

TEST_CASE("the first-run question comes while the initial snapshot is missing, and not after") {
    Program p("firstrun");
    p.writeFile("main.ini", kSettings);
    p.start();
    MessageBoxSeen box = p.waitMessageBox();
    REQUIRE(box.window);
    CHECK(box.caption == "Quillmere (QLMR) by Palewick Workshop");
    p.answer(box, IDNO);
    REQUIRE(p.mainWindow());
    CHECK_FALSE(p.fileExists("Baze\\Regz\\InitialAstState.reg"));
    p.kill();

    Program q("notfirstrun");
    q.writeFile("main.ini", kSettings);
    q.markNotFirstRun();
    q.start();
    REQUIRE(q.mainWindow());
    pumpSleep(500);
    CHECK(q.countTopLevel("#32770") == 0);
}

// Also run with LC_ALL=en_US.UTF-8 (tests/CMakeLists.txt): the Russian files declare their code page.
TEST_CASE("the first-run question and the Russian captions read the same on any code page") {
    Program p("codepage");
    p.writeFile("main.ini", kSettings);
    p.start();
    MessageBoxSeen box = p.waitMessageBox();
    REQUIRE(box.window);
    CHECK(box.text ==
          "Программа запущена впервые. Сохранить исходное состояние служб и создать резервную копию реестра?");
    p.answer(box, IDNO);
    REQUIRE(p.mainWindow());
    CHECK(p.labelText("StatAllLabel") == "Всего :");
    CHECK(p.text(p.control("ServStart")) == "Запустить Службу");
}

TEST_CASE("the saved log holds the start-up lines in order with their prefixes") {
    Program p("log");
    REQUIRE(p.startAfterFirstRun(kSettings));
    p.showPage(3);
    p.clickNamed("LogSave");
    std::vector<std::string> saved;
    for (int i = 0; i < 100 && saved.empty(); ++i) {
        pumpSleep(50);
        saved = p.files("Baze\\Logz\\Log of *.logz");
    }
    REQUIRE(saved.size() == 1);
    std::string bytes = p.readFile("Baze\\Logz\\" + saved[0]);
    std::vector<std::string> lines;
    for (size_t at = 0, end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(bytes.substr(at, end - at));
    REQUIRE(lines.size() >= 8);
    // "Начало лог файла" and "Программа запущена" in Windows-1251.
    CHECK(lines[0].substr(22) == "\xcd\xe0\xf7\xe0\xeb\xee \xeb\xee\xe3 \xf4\xe0\xe9\xeb\xe0");
    CHECK(lines[1].substr(22) == "\xcf\xf0\xee\xe3\xf0\xe0\xec\xec\xe0 \xe7\xe0\xef\xf3\xf9\xe5\xed\xe0");
    for (const std::string& l : lines) {
        REQUIRE(l.size() > 22);
        CHECK(l[0] == '[');
        CHECK(l[3] == '.');
        CHECK(l[6] == '.');
        CHECK(l[11] == ' ');
        CHECK(l[14] == '.');
        CHECK(l[17] == '.');
        CHECK(l.substr(20, 2) == "] ");
    }
    // The file is named after the newest stamp before the save.
    CHECK(saved[0] == "Log of " + lines.back().substr(1, 19) + ".logz");
}

namespace {

// The captions of a tab control of another process, read through a buffer in that process.
std::vector<std::string> tabCaptions(HWND tabs, DWORD processId) {
    std::vector<std::string> captions;
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return captions;
    const SIZE_T textBytes = 256 * sizeof(wchar_t);
    auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof(TCITEMW) + textBytes, MEM_COMMIT,
                                                     PAGE_READWRITE));
    const int count = int(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(TCITEMW));
        item.cchTextMax = 256;
        WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
        SendMessageW(tabs, TCM_GETITEMW, WPARAM(i), LPARAM(remote));
        wchar_t text[256] = {};
        ReadProcessMemory(process, remote + sizeof(TCITEMW), text, textBytes - sizeof(wchar_t), nullptr);
        captions.push_back(narrowText(text));
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return captions;
}

}  // namespace

TEST_CASE("with the shipped main.ini and the chooser ticked away, the first screen speaks Russian") {
    Program p("shipped-settings");
    std::string settings = p.readFile("main.ini");
    const size_t at = settings.find("ShowLangForm=y");
    REQUIRE(at != std::string::npos);
    settings.replace(at, 14, "ShowLangForm=N");
    REQUIRE(p.startAfterFirstRun(settings));
    const std::vector<std::string> tabs = tabCaptions(p.control("MainPageControl"), p.processId());
    REQUIRE(tabs.size() == 7);
    CHECK(tabs[4] == "Процессы");
    CHECK(tabs[5] == "Все службы");
    CHECK(tabs.back() == "История изменений");
}
