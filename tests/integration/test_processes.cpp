// The running-processes page: listing, the executable's folder and the web lookup.
#include <doctest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>

#include "platform/files.h"
#include "platform/processes.h"
#include "procs/lookup_url.h"
#include "tests/support/program_fixture.h"

using namespace qlmr;
using namespace qlmr::test;

namespace {

std::string systemFolder() {
    char buffer[MAX_PATH] = {};
    GetSystemDirectoryA(buffer, MAX_PATH);
    return std::string(buffer) + "\\";
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

std::string ownExecutable() {
    char buffer[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    return buffer;
}

// The page with the given lines, as if listed.
void fillLines(MainForm& f, const std::vector<std::string>& lines) {
    f.processes->CurrentProcsTntlbx->clear();
    for (const auto& l : lines) f.processes->CurrentProcsTntlbx->add(l);
}

void clickLine(MainForm& f, int row) {
    f.processes->CurrentProcsTntlbx->setItemIndex(row);
    f.processes->CurrentProcsTntlbxClick();
}

void chooseEndpoint(MainForm& f, int position) {
    f.processes->OnlineServerTntcmb->setItemIndex(position);
    f.processes->OnlineServerTntcmbChange();
}

// The language file of the running program, for msg16.
void useLanguage(MainForm& f) { f.state.OptLangComboBox.setText("rus.lng"); }

}  // namespace

TEST_CASE("the two endpoint selectors list five labels and five web prefixes in the same order") {
    ProgramFixture p;
    MainForm& f = *p.form;
    REQUIRE(f.processes->OnlineServerTntcmb->count() == 5);
    REQUIRE(f.processes->OnlineServerStringTntcmb->count() == 5);
    const char* tails[] = {"/directory/files/", "/", "/taskmanager/process/", "/search?hl=ru&q=", "/search?hl=en&q="};
    for (int i = 0; i < 5; ++i) {
        const std::string prefix = f.processes->OnlineServerStringTntcmb->item(i);
        CHECK(prefix.rfind("http://", 0) == 0);
        CHECK(prefix.size() > std::string(tails[i]).size() + 7);
        CHECK(prefix.compare(prefix.size() - std::string(tails[i]).size(), std::string::npos, tails[i]) == 0);
        // The host stands between the scheme and the path.
        CHECK(prefix.find('/', 7) == prefix.size() - std::string(tails[i]).size());
        CHECK_FALSE(f.processes->OnlineServerTntcmb->item(i).empty());
    }
    CHECK(f.processes->OnlineServerTntcmb->text() == "Choose Server/ Выберите сервер");
    CHECK(f.processes->OnlineServerStringTntcmb->text() == "Choose Server/ Выберите сервер");
    CHECK(f.processes->NameTntLabel->text() == "NameTntLabel");
}

TEST_CASE("the lookup of svchost.exe through the second and the fifth endpoint") {
    ProgramFixture p;
    MainForm& f = *p.form;
    const std::string svchost = systemFolder() + "svchost.exe";
    fillLines(f, {ownExecutable(), svchost});
    clickLine(f, 1);
    CHECK(f.processes->NameTntLabel->text() == "svchost.exe");

    chooseEndpoint(f, 1);
    f.processes->OnlineSearchTntbtnClick();
    chooseEndpoint(f, 4);
    f.processes->OnlineSearchTntbtnClick();
    REQUIRE(p.shell.calls.size() == 2);
    CHECK(p.shell.calls[0].file == f.processes->OnlineServerStringTntcmb->item(1) + "svchost.exe.php");
    CHECK(p.shell.calls[1].file == f.processes->OnlineServerStringTntcmb->item(4) + "svchost.exe");
    CHECK(p.shell.calls[1].file.find("/search?hl=en&q=svchost.exe") != std::string::npos);
    for (const auto& call : p.shell.calls) {
        CHECK(call.verb == "open");
        CHECK(call.show == ShowCommand::Normal);
        CHECK(call.parameters.empty());
    }
    CHECK(p.dialogs.shown.empty());
}

TEST_CASE("before any line was clicked both buttons show msg16 and hand nothing to the shell") {
    ProgramFixture p;
    MainForm& f = *p.form;
    useLanguage(f);
    const std::string msg16 = f.message("msg16");
    CHECK(msg16 != "No Comments :)");
    fillLines(f, {systemFolder() + "svchost.exe"});
    for (int endpoint = -1; endpoint < 5; ++endpoint) {
        if (endpoint >= 0) chooseEndpoint(f, endpoint);
        p.dialogs.shown.clear();
        f.processes->OnlineSearchTntbtnClick();
        REQUIRE(p.dialogs.shown.size() == 1);
        CHECK(p.dialogs.shown[0].kind == "info");
        CHECK(p.dialogs.shown[0].text == msg16);
    }
    // The folder is shown first, then msg16.
    p.dialogs.shown.clear();
    f.processes->CurrentProcsTntlbx->setItemIndex(0);
    f.processes->OpenDitTntbtnClick();
    REQUIRE(p.dialogs.shown.size() == 2);
    CHECK(p.dialogs.shown[0].text == systemFolder());
    CHECK(p.dialogs.shown[1].text == msg16);
    CHECK(p.shell.calls.empty());
}

TEST_CASE("the folder of a line is shown and then opened maximized in the explorer") {
    ProgramFixture p;
    MainForm& f = *p.form;
    fillLines(f, {systemFolder() + "svchost.exe"});
    clickLine(f, 0);
    f.processes->OpenDitTntbtnClick();
    REQUIRE(p.dialogs.shown.size() == 1);
    CHECK(p.dialogs.shown[0].text == systemFolder());
    REQUIRE(p.shell.calls.size() == 1);
    CHECK(p.shell.calls[0].verb == "explore");
    CHECK(p.shell.calls[0].file == systemFolder());
    CHECK(p.shell.calls[0].show == ShowCommand::Maximized);
}

TEST_CASE("the folder button with no line selected reports the list index error") {
    ProgramFixture p;
    MainForm& f = *p.form;
    fillLines(f, {systemFolder() + "svchost.exe"});
    tk::runHandler([&] { f.processes->OpenDitTntbtnClick(); });
    CHECK(p.dialogs.count("error") == 1);
    CHECK(p.dialogs.last("error") == "List index out of bounds (-1)");
    CHECK(p.dialogs.count("info") == 0);
    CHECK(p.shell.calls.empty());
}

TEST_CASE("without an endpoint the user is asked to choose one and nothing is run") {
    ProgramFixture p;
    MainForm& f = *p.form;
    fillLines(f, {systemFolder() + "calc.exe"});
    clickLine(f, 0);
    SUBCASE("none chosen since start") {}
    SUBCASE("a typed selector text leaves no position") {
        chooseEndpoint(f, 2);
        f.processes->OnlineServerTntcmb->setItemIndex(-1);
        f.processes->OnlineServerTntcmbChange();
    }
    f.processes->OnlineSearchTntbtnClick();
    CHECK(p.shell.calls.empty());
    REQUIRE(p.dialogs.shown.size() == 1);
    CHECK(p.dialogs.shown[0].text == "Choose Server/ Выберите сервер");
}

TEST_CASE("only web addresses and existing folders reach the shell, whatever the lines hold") {
    ProgramFixture p;
    MainForm& f = *p.form;
    const std::vector<std::string> lines = {
        "calc.exe",
        "cmd.exe /c del /q C:\\*",
        "C:\\no such folder\\evil.exe",
        "http://example.com/x.exe",
        "..\\..\\notepad.exe",
        "C:\\Program Files\\my app&more.exe",
        systemFolder() + "svchost.exe",
    };
    fillLines(f, lines);
    for (int row = 0; row < int(lines.size()); ++row) {
        clickLine(f, row);
        for (int endpoint = -1; endpoint < 5; ++endpoint) {
            if (endpoint >= 0) chooseEndpoint(f, endpoint);
            f.processes->OnlineSearchTntbtnClick();
        }
        f.processes->OpenDitTntbtnClick();
    }
    CHECK(p.dialogs.count("error") == 0);
    int folders = 0;
    for (const auto& call : p.shell.calls) {
        if (call.verb == "explore") {
            ++folders;
            CHECK(folderExists(call.file));
        } else {
            CHECK(call.verb == "open");
            CHECK(isWebUrl(call.file));
        }
    }
    CHECK(folders == 2);   // the system folder and "C:\\Program Files\\"
    // The name is percent-encoded where the address syntax needs it.
    const std::string encoded = f.processes->OnlineServerStringTntcmb->item(4) + "my%20app%26more.exe";
    CHECK(std::any_of(p.shell.calls.begin(), p.shell.calls.end(), [&](const auto& c) { return c.file == encoded; }));
}

TEST_CASE("listing fills the page with the running programs' paths and shows the count") {
    ProgramFixture p;
    MainForm& f = *p.form;
    fillLines(f, {systemFolder() + "svchost.exe"});
    clickLine(f, 0);
    f.processes->EnumProcTntbtnClick();
    const int count = f.processes->CurrentProcsTntlbx->count();
    CHECK(count > 0);
    CHECK(f.processes->CurrentStatusBar->panelText(0) == std::to_string(count));
    CHECK(f.processes->CurrentStatusBar->panelText(1).empty());
    bool self = false;
    for (int i = 0; i < count; ++i) self = self || lower(f.processes->CurrentProcsTntlbx->item(i)) == lower(ownExecutable());
    CHECK(self);
    // The chosen name survives the refill.
    CHECK(f.processes->NameTntLabel->text() == "svchost.exe");
}

TEST_CASE("both enumerations find this process; no list is no work") {
    std::vector<std::string> nt, old;
    ListProcessesNT(nt);
    ListProcesses9x(old);
    const std::string path = lower(ownExecutable());
    const std::string name = lower(fileNamePart(ownExecutable()));
    CHECK(std::any_of(nt.begin(), nt.end(), [&](const std::string& l) { return lower(l) == path; }));
    CHECK(std::any_of(old.begin(), old.end(), [&](const std::string& l) { return lower(fileNamePart(l)) == name; }));
    CHECK(platformFamily() == 2);
    ListProcesses(nullptr);
    std::vector<std::string> listed;
    ListProcesses(&listed);
    CHECK_FALSE(listed.empty());
}

namespace {

bool underWow64() {
    using IsWow64Fn = BOOL(WINAPI*)(HANDLE, PBOOL);
    const auto isWow64 = reinterpret_cast<IsWow64Fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process")));
    BOOL wow64 = FALSE;
    return isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
}

// A folder in the system folder as 64-bit programs see it, made through the alias that a 32-bit
// program has for it on 64-bit Windows (its own view of System32 is the 32-bit twin).
struct NativeOnlyFolder {
    std::string name = "qlmr native only";
    std::string made;
    NativeOnlyFolder() {
        char windows[MAX_PATH] = {};
        GetWindowsDirectoryA(windows, MAX_PATH);
        made = underWow64() ? std::string(windows) + "\\Sysnative\\" + name : systemFolder() + name;
        CreateDirectoryA(made.c_str(), nullptr);
    }
    ~NativeOnlyFolder() { RemoveDirectoryA(made.c_str()); }
};

}  // namespace

TEST_CASE("listing names the system's own processes with full paths, 32- and 64-bit alike") {
    ProgramFixture p;
    MainForm& f = *p.form;
    f.processes->EnumProcTntbtnClick();
    std::vector<std::string> lines;
    for (int i = 0; i < f.processes->CurrentProcsTntlbx->count(); ++i) lines.push_back(lower(f.processes->CurrentProcsTntlbx->item(i)));
    CAPTURE(lines.size());
    auto listed = [&](const std::string& path) { return std::find(lines.begin(), lines.end(), lower(path)) != lines.end(); };
    CHECK(listed(systemFolder() + "services.exe"));   // 64-bit on 64-bit Windows
    CHECK(std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
        return fileNamePart(l) == "explorer.exe" && l.size() > 3 && l[1] == ':' && l[2] == '\\';
    }));
    CHECK(listed(ownExecutable()));
}

TEST_CASE("the folder of a 64-bit program in the system folder opens as that folder, not its 32-bit twin") {
    NativeOnlyFolder only;
    ProgramFixture p;
    MainForm& f = *p.form;
    const std::string folder = systemFolder() + only.name + "\\";
    fillLines(f, {folder + "tool.exe"});
    clickLine(f, 0);
    f.processes->OpenDitTntbtnClick();
    REQUIRE(p.dialogs.shown.size() == 1);
    CHECK(p.dialogs.shown[0].text == folder);
    REQUIRE(p.shell.calls.size() == 1);
    CHECK(p.shell.calls[0].verb == "explore");
    CHECK(p.shell.calls[0].file == folder);
    // The redirection is back once the handler is done: the 32-bit twin is what this program sees.
    CHECK(folderExists(folder) == !underWow64());
}
