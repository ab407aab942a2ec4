// Failures that were told as successes, dropped or frozen: backups on a full or read-only data
// folder, files with nothing to import, imports started before the last was checked, a hung
// and a missing registry editor, messages before a language is set, list files that disagree.
#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "lang/builtin_messages.h"
#include "lang/message_format.h"
#include "platform/files.h"
#include "registry/backup_watch.h"
#include "registry/backups_page.h"
#include "config/config_page.h"
#include "app/log_page.h"
#include "services/services_page.h"
#include "services/tweak_panel.h"
#include "registry/import_watch.h"
#include "tests/support/config_folder.h"
#include "tests/support/program_fixture.h"
#include "tests/support/registry_fixture.h"

using namespace qlmr;
using namespace qlmr::test;

namespace {

bool checksReported(MainForm& f) {
    return waitUntil([&] {
        f.PauseWithMessages(20);
        return !f.importWatch->pending() && !f.backups->backupWatch->pending();
    }, 15000);
}

size_t logCount(const MainForm& f, const std::string& start) {
    size_t n = 0;
    for (const std::string& line : logTexts(f)) n += line.rfind(start, 0) == 0;
    return n;
}

std::string newestBackup(MainForm& f) {
    f.backups->BackupSearchClick();
    std::string name;
    for (int i = 0; i < f.backups->BackupBox->count(); ++i)
        if (f.backups->BackupBox->item(i).rfind("Backup of ", 0) == 0) name = BackupWatch::fileOfLine(f.backups->BackupBox->item(i));
    return name;
}

void choose(MainForm& f, const std::string& name) {
    for (int i = 0; i < f.backups->BackupBox->count(); ++i)
        if (BackupWatch::fileOfLine(f.backups->BackupBox->item(i)) == name) f.backups->BackupBox->setItemIndex(i);
    f.backups->BackupBoxClick();
}

std::vector<std::string> catalogueNames() {
    ProgramFixture p;
    return p.form->state.ServiceSysName.items();
}

// Set by tests/integration/with-small-data-folder.sh when Baze\ is a mount of its own.
std::string dataFolderMount() {
    const char* v = std::getenv("QLMR_DATA_FOLDER_MOUNT");
    return v ? v : "";
}

}  // namespace

TEST_CASE("fault: a backup cut off by a full disk is told, marked, and its restore warns") {
    prepareConfigFolder(true);
    ProgramFixture p(true);
    MainForm& f = *p.form;
    if (dataFolderMount() == "full") {
        f.backups->BackupAddNewClick();   // the editor's export stops where the 16 KiB mount is full
    } else {
        // Where no mount is allowed: a whole export, cut as a full disk leaves it.
        f.backups->BackupAddNewClick();
        REQUIRE(checksReported(f));
        CHECK(logCount(f, "Резервная копия проверена: ") == 1);
        const std::string whole = readProgramFile("Baze\\Regz\\" + newestBackup(f));
        REQUIRE(whole.size() > 4000);
        writeProgramFile("Baze\\Regz\\cut.reg", whole.substr(0, whole.size() * 5 / 6 + 1));
        const BackupCheckResult cut = checkBackupFile(registryFolderPath() + "cut.reg", "cut.reg");
        CHECK_FALSE(cut.whole);
        tk::runHandler([&] { f.backups->reportBackupCheck(cut); });
    }
    REQUIRE(checksReported(f));
    CHECK(logCount(f, "Резервная копия не создана или неполна: ") == 1);
    CHECK(p.dialogs.last("error").find("Резервная копия не создана или неполна: ") == 0);
    CHECK(p.dialogs.last("error").find('\n') != std::string::npos);   // and what is missing
    const std::string failed = dataFolderMount() == "full" ? newestBackup(f) : "cut.reg";
    f.backups->BackupSearchClick();
    bool marked = false;
    for (int i = 0; i < f.backups->BackupBox->count(); ++i)
        marked = marked || (f.backups->BackupBox->item(i) != failed && BackupWatch::fileOfLine(f.backups->BackupBox->item(i)) == failed);
    CHECK(marked);
    choose(f, failed);
    CHECK(f.backups->BackupNameTextLb->text() == failed);
    p.dialogs.answers.push_back(tk::Answer::No);
    const size_t editors = p.shell.calls.size();
    f.backups->BackupAddClick();
    CHECK(p.dialogs.last("question") == formatMessage(builtinMessage("BackupIncompleteRestore"), failed));
    CHECK(p.shell.calls.size() == editors);   // declined: nothing imported, nothing logged
    CHECK_FALSE(logContains(f, "Был использован файл: " + failed));
}

TEST_CASE("fault: a backup the editor could not write is told as not made") {
    prepareConfigFolder(true);
    ProgramFixture p(true);
    // Where Baze\ cannot be mounted read-only, the editor's place is taken by a program that
    // writes nothing, as the editor does on a read-only folder.
    if (dataFolderMount() != "readonly") p.shell.declineImports = true;
    MainForm& f = *p.form;
    tk::runHandler([&] { f.backups->BackupAddNewClick(); });
    REQUIRE(checksReported(f));
    CHECK(logContains(f, "Создана резервная копия реестра"));   // as specified, then the truth
    CHECK(logCount(f, "Резервная копия не создана или неполна: Backup of ") == 1);
    CHECK(p.dialogs.last("error").find("Файл не найден: ") != std::string::npos);
}

TEST_CASE("fault: an empty, a random and a renamed text file are named, never matched") {
    const std::vector<std::string> contents = {"", std::string("\x8F\x01\xFE\x13\x00\x9Ark", 9),
                                               "Это не файл реестра\r\nпросто текст\r\n"};
    for (const std::string& content : contents) {
        prepareConfigFolder(true);
        FileAway preset("Configz\\gaming.html.reg");
        writeProgramFile("Configz\\gaming.html.reg", content);
        ProgramFixture p(true);
        MainForm& f = *p.form;
        f.config->GamingcfClick();
        tk::runHandler([&] { f.config->ConfigApplyvClick(); });
        CHECK(logContains(f, "В файле gaming.html.reg нет значений реестра"));
        CHECK(p.dialogs.last("error").find("В файле gaming.html.reg нет значений реестра") == 0);
        CHECK(p.shell.calls.empty());   // no editor for a file with nothing in it
        CHECK_FALSE(logContains(f, "Конфигурация скопирована в реестр"));
        CHECK(f.config->ConfigApplyUndo->enabled());   // as after a failed start of the editor

        writeProgramFile("Baze\\Regz\\empty.reg", content);
        f.backups->BackupSearchClick();
        choose(f, "empty.reg");
        tk::runHandler([&] { f.backups->BackupAddClick(); });
        CHECK(logContains(f, "В файле empty.reg нет значений реестра"));
        CHECK(p.shell.calls.empty());
        for (const std::string& line : logTexts(f)) CHECK(line.find("0 из 0") == std::string::npos);
    }
}

TEST_CASE("fault: imports started before the earlier one was checked are all checked, in order") {
    ServiceKeysGuard guard(catalogueNames());
    prepareConfigFolder(true);
    ProgramFixture p(true);
    MainForm& f = *p.form;
    f.config->GamingcfClick();
    f.config->ConfigApplyvClick();
    REQUIRE(waitForRegistryEditors());
    f.config->CommoncfClick();
    f.config->ConfigApplyvClick();   // before the first check was reported
    REQUIRE(checksReported(f));
    std::vector<std::string> checks;
    for (const std::string& line : logTexts(f))
        if (line.rfind("Проверка импорта: ", 0) == 0) checks.push_back(line);
    REQUIRE(checks.size() == 2);
    CHECK(checks[0].find("с файлом gaming.html.reg") != std::string::npos);
    CHECK(checks[1].find("с файлом common.html.reg") != std::string::npos);
}

namespace {

// A registry editor that does not answer: its window's thread sleeps, as a stopped or busy
// editor's does.
struct HungEditor {
    HANDLE thread = nullptr, ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    DWORD sleepMs;
    explicit HungEditor(DWORD ms) : sleepMs(ms) {
        thread = CreateThread(nullptr, 0, run, this, 0, nullptr);
        WaitForSingleObject(ready, 5000);
    }
    ~HungEditor() {
        WaitForSingleObject(thread, sleepMs + 5000);
        CloseHandle(thread);
        CloseHandle(ready);
    }
    static DWORD WINAPI run(void* self) {
        auto* h = static_cast<HungEditor*>(self);
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "RegEdit_RegEdit";
        RegisterClassA(&wc);
        HWND editor = CreateWindowA("RegEdit_RegEdit", "Registry Editor", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                    nullptr, nullptr, wc.hInstance, nullptr);
        CreateWindowA(WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, editor, nullptr, wc.hInstance, nullptr);
        SetEvent(h->ready);
        Sleep(h->sleepMs);
        DestroyWindow(editor);
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
        return 0;
    }
};

}  // namespace

TEST_CASE("fault: a registry editor that does not respond stops the jump within seconds") {
    prepareStartedFolder();
    REQUIRE(waitForRegistryEditors());
    ProgramFixture p;
    MainForm& f = *p.form;
    f.state.ServiceSysName.setPosition(11);
    DWORD took = 0;
    {
        HungEditor hung(9000);
        const DWORD t0 = GetTickCount();
        f.services->tweak->RegistryJumpButtonClick();
        took = GetTickCount() - t0;
    }
    CHECK(took < 5000);
    CHECK(p.dialogs.last("info") == builtinMessage("RegeditNotResponding"));
}

namespace {

// Closes every dialog box of this process that the test's own boxes did not show: a box of the
// shell's would otherwise wait for a click.
struct ShellBoxCloser {
    HANDLE thread = nullptr;
    volatile LONG stop = 0, closed = 0;
    ShellBoxCloser() { thread = CreateThread(nullptr, 0, run, this, 0, nullptr); }
    ~ShellBoxCloser() {
        InterlockedExchange(&stop, 1);
        WaitForSingleObject(thread, 5000);
        CloseHandle(thread);
    }
    static BOOL CALLBACK closeOne(HWND w, LPARAM self) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        char cls[16] = {};
        GetClassNameA(w, cls, sizeof cls);
        if (pid == GetCurrentProcessId() && lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(w)) {
            PostMessageA(w, WM_COMMAND, IDOK, 0);
            InterlockedIncrement(&static_cast<ShellBoxCloser*>(reinterpret_cast<void*>(self))->closed);
        }
        return TRUE;
    }
    static DWORD WINAPI run(void* self) {
        auto* c = static_cast<ShellBoxCloser*>(self);
        while (!c->stop) {
            EnumWindows(closeOne, reinterpret_cast<LPARAM>(c));
            Sleep(100);
        }
        return 0;
    }
};

// The editor renamed in the test's own prefix (a copy) for one case, and put back.
struct EditorAway {
    std::vector<std::string> moved;
    EditorAway() {
        for (const char* path : {"C:\\windows\\regedit.exe", "C:\\windows\\system32\\regedit.exe"})
            if (MoveFileA(path, (std::string(path) + ".away").c_str())) moved.push_back(path);
    }
    ~EditorAway() {
        for (const std::string& path : moved) MoveFileA((path + ".away").c_str(), path.c_str());
    }
};

}  // namespace

TEST_CASE("fault: a missing registry editor gives the system's error once, and no box of the shell's") {
    prepareConfigFolder(true);
    REQUIRE(waitForRegistryEditors());
    ProgramFixture p(true);
    MainForm& f = *p.form;
    f.config->TweackedcfClick();
    {
        EditorAway away;
        REQUIRE_FALSE(away.moved.empty());
        ShellBoxCloser closer;
        tk::runHandler([&] { f.config->ConfigApplyvClick(); });
        Sleep(300);
        CHECK(closer.closed == 0);
    }
    CHECK(p.dialogs.count("error") == 1);
    CHECK(p.dialogs.last("error").find("System Error.  Code: 2.") == 0);
    CHECK(f.config->ConfigApplyUndo->enabled());
    CHECK(programFileExists("Baze\\Regz\\CurrentAstState.reg"));
    CHECK_FALSE(logContains(f, "Конфигурация скопирована в реестр"));
}

TEST_CASE("fault: after a start-up that ended before the language, every box says its text") {
    for (const std::string defaultLang : {"abc", "No data"}) {
        prepareStartedFolder();
        std::string ini = "[Program]\r\nVersionInfo=1.0\r\nShowLangForm=N\r\nLangName=\r\n";
        if (defaultLang != "No data") ini += "DefaultLang=" + defaultLang + "\r\n";
        writeProgramFile("main.ini", ini);
        ProgramFixture p;
        p.create();
        MainForm& f = *p.form;
        REQUIRE(p.dialogs.last("error").find("is not a valid integer value") != std::string::npos);
        p.dialogs.answers.push_back(tk::Answer::No);
        f.logPage->LogClearClick();
        CHECK(p.dialogs.last("question") == "Очистить лог?");
        writeProgramFile("Baze\\Regz\\Backup of x.reg", "Windows Registry Editor Version 5.00\r\n");
        f.backups->BackupSearchClick();
        choose(f, "Backup of x.reg");
        p.dialogs.answers.push_back(tk::Answer::No);
        f.backups->BackupDeleteClick();
        CHECK(p.dialogs.last("question") == "Удалить резервную копию Backup of x.reg?");
        f.config->TweackedcfClick();
        p.dialogs.answers.push_back(tk::Answer::No);
        f.config->ConfigApplyvClick();
        CHECK(p.dialogs.last("question").find("Применить конфигурацию tweaked.html.reg?") == 0);
    }
    // The first-run question too, with no main.ini at all.
    prepareStartedFolder();
    removeProgramFolderTree("Baze\\Regz");
    FileAway ini("main.ini");
    ProgramFixture p;
    p.dialogs.answers.push_back(tk::Answer::No);
    p.create();
    CHECK(p.dialogs.last("firstrun") == builtinMessage("msg14"));
}

TEST_CASE("fault: a shortened, an empty and a marked list file are told once, naming the file") {
    const std::vector<std::string> names = catalogueNames();
    std::string lines30;
    for (size_t i = 0; i < 30; ++i) lines30 += names[i] + "\r\n";
    for (const std::string& content : {lines30, std::string()}) {
        prepareStartedFolder();
        FileAway list("ServicesSysNames.dat");
        writeProgramFile("ServicesSysNames.dat", content);
        ProgramFixture p;
        p.create();
        CHECK(logCount(*p.form, "Списки служб разной длины, проверьте ServicesSysNames.dat (строк: ") == 1);
        CHECK(p.dialogs.last("error").find("проверьте ServicesSysNames.dat") != std::string::npos);
    }
    // A mark is a mark: not part of the first system name, nor of the first display name.
    prepareStartedFolder();
    FileAway sys("ServicesSysNames.dat");
    FileAway display("ServicesRealNames-rus.lng.dat");
    std::string sysText;
    for (const std::string& n : names) sysText += n + "\r\n";
    writeProgramFile("ServicesSysNames.dat", "\xEF\xBB\xBF" + sysText);
    writeProgramFile("ServicesRealNames-rus.lng.dat", "\xEF\xBB\xBF" "Автоматическое обновление\r\n" +
                                                          std::string(display.bytes.substr(display.bytes.find('\n') + 1)));
    ProgramFixture p;
    p.create();
    CHECK(p.form->state.ServiceSysName.at(0) == "wuauserv");
    CHECK(p.form->state.ServiceNameCB.at(0) == "Автоматическое обновление");
    CHECK(logCount(*p.form, "Списки служб") == 0);
}
