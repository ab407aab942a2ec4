// The activity log: showing a line, clearing, saving.
#include <doctest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <vector>

#include <functional>

#include "base/identity.h"
#include "base/last_stamp.h"
#include "platform/files.h"
#include "tests/support/program_fixture.h"
#include "tests/support/scripted_clock.h"

using namespace qlmr;
using namespace qlmr::test;

TEST_CASE("a clicked line shows its value part in the memo") {
    resetProgramFolder();
    createFolders(programFolder() + kLogsFolder);
    ProgramFixture p;
    p.form->logLine("plain line");
    p.form->logLine("key=value=more");
    p.form->logPage->LogBox->flush();
    p.form->logPage->LogBox->setItemIndex(0);
    p.form->logPage->LogBoxClick();
    CHECK(p.form->logPage->WideTextMemo->text() == p.form->logPage->LogBox->line(0).substr(1));
    p.form->logPage->LogBox->setItemIndex(1);
    p.form->logPage->LogBoxClick();
    CHECK(p.form->logPage->WideTextMemo->text() == "value=more");
}

TEST_CASE("saving writes CP1251 lines with CR LF named after the newest stamp") {
    resetProgramFolder();
    createFolders(programFolder() + kLogsFolder);
    ProgramFixture p;
    p.form->logLine("Служба запущена");
    const std::string name = "Log of " + lastStamp() + ".logz";
    p.form->logPage->LogSaveClick();
    const std::string bytes = readProgramFile(std::string(kLogsFolder) + name);
    CHECK(bytes.size() == 22 + 15 + 2);   // prefix, 15 Cyrillic letters in one byte each, CR LF
    CHECK(bytes.substr(bytes.size() - 2) == "\r\n");
    CHECK(static_cast<unsigned char>(bytes[22]) == 0xD1);   // "С" in Windows-1251
    CHECK(logTexts(*p.form).back() == "Лог файл " + programFolder() + kLogsFolder + name + " сохранен");
}

TEST_CASE("a save after clearing never replaces a saved log with other content") {
    resetProgramFolder();
    createFolders(programFolder() + kLogsFolder);
    ScriptedClock clock(0);   // every line in one second: both saves come to the same name
    ProgramFixture p;
    p.form->logLine("first");
    const std::string stamp = lastStamp();
    const std::string first = std::string(kLogsFolder) + "Log of " + stamp + ".logz";
    p.form->logPage->LogSaveClick();
    const std::string saved = readProgramFile(first);
    REQUIRE(saved.find("first\r\n") != std::string::npos);
    p.form->logPage->LogClearClick();   // answered Yes
    CHECK(p.form->logPage->LogBox->count() == 0);
    p.form->logPage->LogSaveClick();
    CHECK(readProgramFile(first) == saved);
    const std::string second = std::string(kLogsFolder) + "Log of " + stamp + " (2).logz";
    REQUIRE(programFileExists(second));
    CHECK(readProgramFile(second).empty());
    CHECK(logTexts(*p.form).back() == "Лог файл " + programFolder() + second + " сохранен");
}

// The stamp rule, with a clock that moves on between lines: the file takes the stamp of the
// newest line before the save, never the time of the save, whose own lines come later.
TEST_CASE("saved logs, filter lists and backups are named after the newest line before the save") {
    prepareStartedFolder();
    ScriptedClock clock(1);
    ProgramFixture p;
    p.create();
    MainForm& f = *p.form;
    // One running and one stopped service, as a state check would leave them.
    f.state.runningNames = {f.state.ServiceNameCB.at(0)};
    f.state.runningRows = {0};
    f.state.stoppedNames = {f.state.ServiceNameCB.at(1)};
    f.state.stoppedRows = {1};
    const std::string logs = kLogsFolder, registry = programFolder() + kRegistryFolder;
    auto inLogs = [&](const std::string& name) { return programFileExists(logs + name); };
    auto exported = [&](const std::string& name) {
        return !p.shell.calls.empty() && p.shell.calls.back().parameters.find(registry + name + "\"") != std::string::npos;
    };
    struct Save {
        const char* what;
        std::function<void(MainForm&)> click;
        std::string prefix, extension;
        std::function<bool(const std::string&)> written;
    };
    const Save saves[] = {
        {"saved log", [](MainForm& m) { m.logPage->LogSaveClick(); }, "Log of ", ".logz", inLogs},
        {"running services", [](MainForm& m) { m.services->SortTwAClick(); }, "Running services ", ".logz", inLogs},
        {"stopped services", [](MainForm& m) { m.services->SortTwNAClick(); }, "Stoped services ", ".logz", inLogs},
        {"backup", [](MainForm& m) { m.backups->BackupAddNewClick(); }, "Backup of ", ".reg", exported},
    };
    for (const Save& save : saves) {
        CAPTURE(save.what);
        f.logLine("before the save");
        const std::string newest = lastStamp(), ofSave = clock.upcomingStamp();
        REQUIRE(newest != ofSave);
        save.click(f);
        CHECK(save.written(save.prefix + newest + save.extension));
        CHECK_FALSE(save.written(save.prefix + ofSave + save.extension));
    }
}

TEST_CASE("clearing answered No keeps every line") {
    ProgramFixture p;
    p.form->logLine("a");
    p.dialogs.answers.push_back(tk::Answer::No);
    p.form->logPage->LogClearClick();
    CHECK(p.form->logPage->LogBox->count() == 1);
    CHECK(p.dialogs.shown.back().caption == kWindowTitle);
}

namespace {

// The tools of the tooltip window a form owns, by their window handles.
std::vector<UINT_PTR> toolsOf(HWND form) {
    std::vector<UINT_PTR> tools;
    HWND tip = nullptr;
    while ((tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)))
        if (GetWindow(tip, GW_OWNER) == form) break;
    if (!tip) return tools;
    const int count = int(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TOOLINFOW ti{};
        ti.cbSize = TTTOOLINFOW_V2_SIZE;
        if (SendMessageW(tip, TTM_ENUMTOOLSW, WPARAM(i), LPARAM(&ti))) tools.push_back(ti.uId);
    }
    CHECK((GetWindowLongW(tip, GWL_STYLE) & TTS_BALLOON) != 0);
    return tools;
}

}  // namespace

TEST_CASE("the log keeps its hint text but shows no tooltip; the backup list shows its own") {
    resetProgramFolder();
    ProgramFixture p;
    tk::Application::instance().setBalloonHints(true);
    HWND log = static_cast<HWND>(p.form->logPage->LogBox->handle());
    HWND backups = static_cast<HWND>(p.form->backups->BackupBox->handle());
    CHECK(p.form->logPage->LogBox->hint() == "Лог действий выполненных программой");
    const std::vector<UINT_PTR> tools = toolsOf(static_cast<HWND>(p.form->handle()));
    CHECK(std::count(tools.begin(), tools.end(), UINT_PTR(backups)) == 1);
    CHECK(std::count(tools.begin(), tools.end(), UINT_PTR(log)) == 0);
}
