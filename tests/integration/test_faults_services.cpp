// Faults on the services page: each ends with a clear message and loses nothing.
#include <doctest.h>

#include <windows.h>

#include "base/environment.h"
#include "base/identity.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "platform/service_manager.h"
#include "services/service_state.h"
#include "tests/support/program_fixture.h"

using namespace qlmr;
using namespace qlmr::test;


TEST_CASE("fault: the logs folder is missing while a filter file is written") {
    prepareStartedFolder();
    ProgramFixture p;
    p.create();
    MainForm& f = *p.form;
    f.services->ServCheckStateClick();
    removeProgramFolderTree("Baze\\Logz");
    tk::runHandler([&] { f.services->SortTwAClick(); });
    CHECK(p.dialogs.last("error").find("Cannot create file \"" + programFolder() + "Baze\\Logz\\Running services ") == 0);
    // The list still shows the whole catalogue and the mode is unchanged, so rows still map right.
    CHECK(f.services->ServiceNames->count() == 91);
    CHECK(f.state.SortKind == ListFilter::All);
    f.services->ServiceNames->setItemIndex(36);
    f.services->ServiceNamesClick();
    CHECK(f.services->InfoName->text() == "lanmanserver");
}

TEST_CASE("fault: a list file is missing on show-all") {
    prepareStartedFolder();
    ProgramFixture p;
    p.create();
    MainForm& f = *p.form;
    {
        FileAway away("ServicesTMNames.dat");
        tk::runHandler([&] { f.services->SortTwDClick(); });
    }
    CHECK(p.dialogs.last("error").find("Cannot open file \"" + programFolder() + "ServicesTMNames.dat\".") == 0);
    CHECK(f.state.ServiceSysName.count() == 91);
    CHECK(f.state.ServiceTMName.count() == 91);
    CHECK(f.services->ServiceNames->count() == 91);
    f.services->ServiceNames->setItemIndex(11);
    f.services->ServiceNamesClick();
    CHECK(f.services->InfoTMCaption->text() == "spoolsv.exe");
}

TEST_CASE("fault: DefaultLang is not a number") {
    prepareStartedFolder();
    writeProgramFile("main.ini", "[Program]\r\nVersionInfo=1.0\r\nLangName=rus.lng\r\nDefaultLang=first\r\n");
    ProgramFixture p;
    p.create();
    CHECK(p.dialogs.last("error") == "'first' is not a valid integer value.");
    // The window is usable: the catalogue is loaded and a selection works.
    p.form->services->ServiceNames->setItemIndex(57);
    p.form->services->ServiceNamesClick();
    CHECK(p.form->services->InfoName->text() == "Messenger");
    CHECK(p.form->state.ServiceNumber == "58.html");
}

TEST_CASE("fault: a registry value of the wrong type in the middle of the catalogue during a state check") {
    prepareStartedFolder();
    HKEY key;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\Alerter", 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &key, nullptr);
    RegSetValueExA(key, "Start", 0, REG_SZ, reinterpret_cast<const BYTE*>("3"), 2);
    ProgramFixture p;
    p.create();
    tk::runHandler([&] { p.form->services->ServCheckStateClick(); });
    RegCloseKey(key);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\Alerter");
    CHECK(p.dialogs.last("error") == "Invalid data type for 'Start'");
    // What was found before the bad entry (row 29) stays; the labels keep their texts.
    CHECK(p.form->state.runningNames.size() + p.form->state.stoppedNames.size() == 29);
    CHECK(p.form->services->StatAllLabel->text() == "Всего :");
    // The next check, with the value mended, runs through.
    tk::runHandler([&] { p.form->services->ServCheckStateClick(); });
    CHECK(p.form->services->StatAllLabel->text() == "Всего: 91");
}

TEST_CASE("fault: a second click on start during the start's pauses") {
    prepareStartedFolder();
    ProgramFixture p;
    p.create();
    MainForm& f = *p.form;
    f.services->ServiceNames->setItemIndex(49);   // stisvc
    f.services->ServiceNamesClick();
    REQUIRE(f.services->InfoStatus->text() == kStateStopped);
    // The second click waits in the queue and runs inside the first start's pause.
    HWND button = static_cast<HWND>(f.services->ServStart->handle());
    PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), LPARAM(button));
    tk::runHandler([&] { f.services->ServStartClick(); });
    CHECK(p.dialogs.count("error") == 1);
    CHECK(p.dialogs.last("error").find("System Error.  Code: 1056.") == 0);
    int started = 0;
    for (const auto& t : logTexts(f)) started += t == "Служба " + f.state.ServiceNameCB.at(49) + " запущена";
    CHECK(started == 1);
    CHECK(f.services->StatAllLabel->text() == "Всего: 91");
    // The manager may still report the start as pending on a loaded machine.
    for (int i = 0; i < 100 && GetServiceState("", "StiSvc") == 2; ++i) Sleep(20);
    CHECK(GetServiceState("", "StiSvc") == 4);
    f.services->ServiceNames->setItemIndex(49);
    f.services->ServiceNamesClick();
    tk::runHandler([&] { f.services->ServStopClick(); });
    for (int i = 0; i < 100 && GetServiceState("", "StiSvc") != 1; ++i) Sleep(20);
}

namespace {

// The real manager, except that start and stop fail as a call that leaves no last error does.
struct SilentlyFailingServices : ServiceManager {
    ServiceManager& real = systemServiceManager();
    unsigned long queryState(const std::string& m, const std::string& n) override { return real.queryState(m, n); }
    void start(const std::string& n) override { controlService(n, failWithoutError); }
    void stop(const std::string& n) override { controlService(n, failWithoutError); }
    std::unique_ptr<Walk> beginWalk() override { return real.beginWalk(); }
    static bool failWithoutError(void*) {
        SetLastError(0);
        return false;
    }
};

}  // namespace

TEST_CASE("fault: a start or stop that fails with last error 0") {
    prepareStartedFolder();
    ProgramFixture p;
    p.create();
    SilentlyFailingServices failing;
    env().services = &failing;
    p.form->services->ServiceNames->setItemIndex(49);   // stisvc
    p.form->services->ServiceNamesClick();
    tk::runHandler([&] { p.form->services->ServStartClick(); });
    tk::runHandler([&] { p.form->services->ServStopClick(); });
    env().services = &systemServiceManager();
    CHECK(p.dialogs.count("error") == 2);
    CHECK(p.dialogs.last("error") == "A call to an OS function failed.");
    const std::string name = p.form->state.ServiceNameCB.at(49);
    CHECK_FALSE(logContains(*p.form, "Служба " + name + " запущена"));
    CHECK_FALSE(logContains(*p.form, "Служба " + name + " остановлена"));
}

TEST_CASE("fault: the details of a service that is not installed, after an installed one") {
    prepareStartedFolder();
    ProgramFixture p;
    p.create();
    p.form->services->ServiceNames->setItemIndex(11);   // Spooler
    p.form->services->ServiceNamesClick();
    REQUIRE(p.form->services->InfoAutostartText->text() != "N/A");
    p.form->services->ServiceNames->setItemIndex(6);   // W3SVC, not installed
    p.form->services->ServiceNamesClick();
    CHECK(p.form->services->InfoStatus->text() == kStateNotInstalled);
    CHECK(p.form->services->InfoAutostartText->text() == "N/A");
}

TEST_CASE("fault: show-all with a translator's language that has no display-name file") {
    prepareStartedFolder();
    writeProgramFile("Langz\\translator.lng", readProgramFile("Langz\\eng.lng"));
    writeProgramFile("main.ini", "[Program]\r\nVersionInfo=1.0\r\nShowLangForm=N\r\nLangName=translator.lng\r\n"
                                 "DefaultLang=-1\r\n");
    ProgramFixture p;
    p.create();
    REQUIRE(p.form->state.OptLangComboBox.text() == "translator.lng");
    const std::string first = p.form->services->ServiceNames->item(0);
    tk::runHandler([&] { p.form->services->ServCheckStateClick(); });
    tk::runHandler([&] { p.form->services->SortTwDClick(); });
    DeleteFileW(widePath(programFolder() + "Langz\\translator.lng").c_str());
    CHECK(p.dialogs.count("error") == 0);
    CHECK(p.form->services->StatAllLabel->text() == "Всего: 91");
    CHECK(p.form->services->ServiceNames->count() == 91);
    CHECK(p.form->services->ServiceNames->item(0) == first);
    CHECK(p.form->state.SortKind == ListFilter::All);
}
