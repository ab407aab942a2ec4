// Faults around the registry folder, snapshots, backups, the wipe and the process lookup.
#include <doctest.h>

#include <windows.h>

#include "base/environment.h"
#include "base/identity.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "registry/regedit.h"
#include "tests/support/program_fixture.h"
#include "tests/support/registry_fixture.h"

using namespace qlmr;
using namespace qlmr::test;

TEST_CASE("fault: the registry folder is missing while a snapshot or a backup is written") {
    prepareStartedFolder();
    ProgramFixture p;
    p.create();
    removeProgramFolderTree("Baze\\Regz");
    tk::runHandler([&] { p.form->hidden->RegReadButtonClick(); });
    CHECK(p.dialogs.last("error").find("Cannot create file \"" + programFolder() + "Baze\\Regz\\CurrentAstState.reg\".") ==
          0);
    const size_t lines = p.form->logPage->LogBox->count();
    tk::runHandler([&] { p.form->backups->BackupAddNewClick(); });
    CHECK(p.dialogs.count("error") == 2);
    CHECK(p.dialogs.last("error").find("Cannot create file \"" + programFolder() + "Baze\\Regz\\Backup of ") == 0);
    // No backup is logged that the editor could not write; only the refresh's three lines come.
    CHECK(p.shell.calls.empty());
    CHECK_FALSE(logContains(*p.form, "Создана резервная копия реестра"));
    CHECK(size_t(p.form->logPage->LogBox->count()) == lines + 3);
    CHECK_FALSE(folderExists(programFolder() + "Baze\\Regz"));
}

TEST_CASE("fault: a value of the wrong type in the middle of the catalogue during a snapshot") {
    prepareStartedFolder();
    ProgramFixture p;
    p.create();
    p.form->hidden->RegReadButtonClick();
    const std::string before = readProgramFile("Baze\\Regz\\CurrentAstState.reg");
    {
        ServiceKeysGuard guard({"Alerter"});
        setServiceString("Alerter", "Start", "3");
        tk::runHandler([&] { p.form->hidden->RegReadButtonClick(); });
    }
    CHECK(p.dialogs.last("error") == "Invalid data type for 'Start'");
    CHECK(readProgramFile("Baze\\Regz\\CurrentAstState.reg") == before);
    CHECK(listFiles(programFolder() + kRegistryFolder, "*.part").empty());
}

TEST_CASE("fault: a backup held open elsewhere during a wipe") {
    prepareStartedFolder();
    ProgramFixture p;
    p.create();
    const std::string content(10000, 'b');
    writeProgramFile("Baze\\Regz\\Backup of held.reg", content);
    // Held for reading only, with no sharing for writing or deleting, as a viewer that has it open would.
    // Held here rather than by a child process: a child would inherit the test runner's output pipe.
    HANDLE held = CreateFileW(widePath(programFolder() + "Baze\\Regz\\Backup of held.reg").c_str(),
                              GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    REQUIRE(held != INVALID_HANDLE_VALUE);
    p.form->backups->BackupSearchClick();
    for (int i = 0; i < p.form->backups->BackupBox->count(); ++i)
        if (p.form->backups->BackupBox->item(i) == "Backup of held.reg") p.form->backups->BackupBox->setItemIndex(i);
    p.form->backups->BackupBoxClick();
    p.form->backups->RWipe->setChecked(true);
    tk::runHandler([&] { p.form->backups->BackupDeleteClick(); });
    CloseHandle(held);
    CHECK(p.dialogs.last("error").find("Cannot open file \"") == 0);
    CHECK(readProgramFile("Baze\\Regz\\Backup of held.reg") == content);
    CHECK_FALSE(logContains(*p.form, "Был удален файл: Backup of held.reg"));
}

TEST_CASE("fault: a process whose file name is a command") {
    prepareStartedFolder();
    ProgramFixture p;
    p.create();
    p.form->processes->CurrentProcsTntlbx->add("C:\\windows\\system32\\cmd.exe /c del C:\\x");
    p.form->processes->CurrentProcsTntlbx->add("calc.exe");
    for (int line = 0; line < 2; ++line) {
        p.form->processes->CurrentProcsTntlbx->setItemIndex(line);
        p.form->processes->CurrentProcsTntlbxClick();
        for (int endpoint = 0; endpoint < p.form->processes->OnlineServerTntcmb->count(); ++endpoint) {
            p.form->processes->OnlineServerTntcmb->setItemIndex(endpoint);
            p.form->processes->OnlineServerTntcmbChange();
            tk::runHandler([&] { p.form->processes->OnlineSearchTntbtnClick(); });
        }
        tk::runHandler([&] { p.form->processes->OpenDitTntbtnClick(); });
    }
    REQUIRE_FALSE(p.shell.calls.empty());
    for (const auto& call : p.shell.calls) {
        CAPTURE(call.file);
        const bool web = call.file.rfind("http://", 0) == 0 || call.file.rfind("https://", 0) == 0;
        CHECK((web || (call.verb == "explore" && folderExists(call.file))));
        CHECK(call.file.find(' ') == std::string::npos);
    }
}

// A volume without 8.3 names gives no short form: the editor then gets the long path, blanks
// and all, and must still import the one file it names.
TEST_CASE("fault: an import from a folder with a blank and no short form") {
    prepareStartedFolder();
    ServiceKeyFixture key("QlmrNoShort");
    key.dword("Start", 3);
    const std::string folder = programFolder() + "Baze\\Regz\\no short form\\";
    createFolders(folder);
    writeFileAtomically(folder + "start.reg", "Windows Registry Editor Version 5.00\r\n\r\n"
                                              "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\QlmrNoShort]\r\n"
                                              "\"Start\"=dword:00000004\r\n");
    env().shortPath = [](const std::string& path) { return path; };
    importRegistryFile(nullptr, folder + "start.reg");
    env().shortPath = &toShortPath;
    CHECK(waitUntil([] { return serviceDword("QlmrNoShort", "Start") == 4ul; }));
    CHECK(waitForRegistryEditors());
}
