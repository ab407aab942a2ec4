// The services page against the real Service Control Manager and registry of the test prefix.
#include <doctest.h>

#include <windows.h>

#include "base/identity.h"
#include "base/last_stamp.h"
#include "lang/lang_messages.h"
#include "platform/files.h"
#include "services/list_file.h"
#include "services/service_state.h"
#include "tests/support/program_fixture.h"
#include "tests/support/scripted_clock.h"
#include "toolkit/text.h"

using namespace qlmr;
using namespace qlmr::test;

namespace {

constexpr int kStisvc = 49;   // catalogue row of "stisvc"
constexpr int kSnmp = 45;     // "SMNP": not a service anywhere

void select(MainForm& f, int row) {
    f.services->ServiceNames->setItemIndex(row);
    f.services->ServiceNamesClick();
}

unsigned long liveState(const char* name) { return GetServiceState("", name); }

void ensureStopped(const char* name) {
    SC_HANDLE m = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    SC_HANDLE s = OpenServiceA(m, name, SERVICE_ALL_ACCESS);
    SERVICE_STATUS st;
    if (s) ControlService(s, SERVICE_CONTROL_STOP, &st);
    for (int i = 0; i < 100 && liveState(name) != SERVICE_STOPPED; ++i) Sleep(20);
    if (s) CloseServiceHandle(s);
    CloseServiceHandle(m);
}

// A service key of our own under the Services branch.
struct TestServiceKey {
    HKEY key = nullptr;
    std::string name;
    explicit TestServiceKey(const std::string& n) : name(n) {
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, ("SYSTEM\\CurrentControlSet\\Services\\" + n).c_str(), 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr);
    }
    ~TestServiceKey() {
        RegCloseKey(key);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, ("SYSTEM\\CurrentControlSet\\Services\\" + name).c_str());
    }
    void dword(const char* value, DWORD v) { RegSetValueExA(key, value, 0, REG_DWORD, reinterpret_cast<BYTE*>(&v), 4); }
    void text(const char* value, const std::string& v) {
        std::wstring w = tk::widen(v), n = tk::widen(value);
        RegSetValueExW(key, n.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(w.c_str()), DWORD((w.size() + 1) * 2));
    }
};

std::string msg(const char* key) { return ReadLangMessage("Msg", key, programFolder() + "Langz\\rus.lng"); }

}  // namespace

TEST_CASE("a catalogue name that is not installed shows the error state with start and stop disabled") {
    prepareStartedFolder();
    ProgramFixture p;
    p.create();
    select(*p.form, kSnmp);
    CHECK(p.form->services->InfoName->text() == "SMNP");
    CHECK(p.form->services->InfoTMCaption->text() == "snmp.exe");
    CHECK(p.form->services->InfoStatus->text() == kStateNotInstalled);
    CHECK_FALSE(p.form->services->ServStart->enabled());
    CHECK_FALSE(p.form->services->ServStop->enabled());
    CHECK_FALSE(p.form->services->StartM->enabled());
    CHECK_FALSE(p.form->services->StopM->enabled());
    CHECK(p.form->state.ServiceNumber == "46.html");
    // Reading a missing service leaves no empty key behind.
    HKEY k;
    CHECK(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\SMNP", 0, KEY_READ, &k) != 0);
}

TEST_CASE("a stopped service is started and stopped through the current-service flow") {
    prepareStartedFolder();
    ensureStopped("StiSvc");
    ProgramFixture p;
    p.create();
    MainForm& f = *p.form;
    select(f, kStisvc);
    CHECK(f.services->InfoStatus->text() == kStateStopped);
    CHECK(f.services->ServStart->enabled());
    CHECK_FALSE(f.services->ServStop->enabled());
    const std::string display = f.state.ServiceNameCB.text();

    tk::runHandler([&] { f.services->ServStartClick(); });
    CHECK(p.dialogs.count("error") == 0);
    CHECK(logContains(f, "Служба " + display + " запущена"));
    // The refresh ends on row 0; the started service is in the running list.
    CHECK(f.services->ServiceNames->itemIndex() == 0);
    CHECK(std::find(f.state.runningNames.begin(), f.state.runningNames.end(), "stisvc") !=
          f.state.runningNames.end());
    select(f, kStisvc);
    CHECK(f.services->InfoStatus->text() == kStateRunning);
    CHECK(f.services->ServStop->enabled());
    CHECK_FALSE(f.services->ServStart->enabled());
    CHECK_FALSE(f.services->ServiceNames->checked(kStisvc));

    tk::runHandler([&] { f.services->ServStopClick(); });
    CHECK(p.dialogs.count("error") == 0);
    CHECK(logContains(f, "Служба " + display + " остановлена"));
    for (int i = 0; i < 100 && liveState("StiSvc") != SERVICE_STOPPED; ++i) Sleep(20);

    // Stopping it again: the system's error for a service that is not active, nothing logged.
    select(f, kStisvc);
    const size_t lines = f.logPage->LogBox->count();
    tk::runHandler([&] { f.services->ServStopClick(); });
    CHECK(p.dialogs.last("error").find("System Error.  Code: 1062.\r\n") == 0);
    CHECK(f.logPage->LogBox->count() == int(lines));
}

TEST_CASE("start and stop before any selection show msg5 and msg6, whatever InfoName says") {
    prepareStartedFolder();
    ProgramFixture p;
    p.create();
    p.form->services->InfoName->setText("Name");   // as a language file might
    tk::runHandler([&] { p.form->services->ServStartClick(); });
    tk::runHandler([&] { p.form->services->ServStopClick(); });
    REQUIRE(p.dialogs.shown.size() == 2);
    CHECK(p.dialogs.shown[0].text == msg("msg5"));
    CHECK(p.dialogs.shown[1].text == msg("msg6"));
    CHECK(p.dialogs.count("error") == 0);
}

TEST_CASE("start types, wrong value types and missing display names from registry fixtures") {
    prepareStartedFolder();
    ProgramFixture p;
    MainForm& f = *p.form;
    TestServiceKey key("QlmrTestSvc");
    const std::pair<DWORD, const char*> cases[] = {{2, "Auto"}, {3, "Manual"}, {4, "Disabled"}};
    for (auto [value, text] : cases) {
        key.dword("Start", value);
        f.services->ReadServiceDetails("QlmrTestSvc", false);
        CHECK(f.services->InfoAutostartText->text() == text);
    }
    key.dword("Start", 1);   // boot and system start types keep the previous text
    f.services->ReadServiceDetails("QlmrTestSvc", false);
    CHECK(f.services->InfoAutostartText->text() == "Disabled");
    RegDeleteValueA(key.key, "Start");
    f.services->ReadServiceDetails("QlmrTestSvc", false);
    CHECK(f.services->InfoAutostartText->text() == "N/A");

    SUBCASE("no DisplayName logs the not-installed pair with the catalogue's name") {
        f.state.ServiceNameCB.setPosition(3);
        f.services->ReadServiceDetails("QlmrTestSvc", true);
        auto texts = logTexts(f);
        REQUIRE(texts.size() >= 2);
        CHECK(texts[texts.size() - 2] == "Название службы-" + f.state.ServiceNameCB.at(3));
        CHECK(texts.back() == "Служба не установлена - Описание службы недоступно");
    }
    SUBCASE("a full key logs four lines") {
        key.text("DisplayName", "Тестовая служба");
        key.text("Description", "Описание \"в кавычках\"");
        key.text("ImagePath", "%SystemRoot%\\test.exe");
        f.services->ReadServiceDetails("QlmrTestSvc", true);
        auto texts = logTexts(f);
        REQUIRE(texts.size() >= 4);
        CHECK(texts[texts.size() - 4] == "Название службы-Тестовая служба");
        CHECK(texts[texts.size() - 3] == "Описание службы-Описание \"в кавычках\"");
        CHECK(texts[texts.size() - 2] == "Находиться в-%SystemRoot%\\test.exe");
        CHECK(texts.back() == "Параметры автостарта-N/A");
    }
    SUBCASE("a Start value of the wrong type ends the handler with the toolkit's message") {
        key.text("Start", "2");
        tk::runHandler([&] { f.services->ReadServiceDetails("QlmrTestSvc", false); });
        REQUIRE(p.dialogs.count("error") == 1);
        // A closing quote sorts before ".", so the box adds no full stop.
        CHECK(p.dialogs.last("error") == "Invalid data type for 'Start'");
    }
}

TEST_CASE("the state check adds up over the whole catalogue and the filters map rows to entries") {
    prepareStartedFolder();
    ScriptedClock clock(1);   // each line a second later than the one before
    ProgramFixture p;
    p.create();
    MainForm& f = *p.form;

    SUBCASE("filters before any state check show msg7 and the full list") {
        f.services->SortTwNAClick();
        CHECK(p.dialogs.last("info") == msg("msg7"));
        CHECK(f.services->ServiceNames->count() == 91);
        CHECK(f.state.SortKind == ListFilter::All);
    }
    SUBCASE("after a check") {
        f.services->ServCheckStateClick();
        const size_t running = f.state.runningNames.size(), stopped = f.state.stoppedNames.size();
        CHECK(running > 0);
        CHECK(running + stopped == 91);
        CHECK(f.services->StatAllLabel->text() == "Всего: 91");
        CHECK(f.services->ActiveStatLabel->text() == "Активных: " + std::to_string(running));
        CHECK(f.services->StopedStatLabel->text() == "Не активных: " + std::to_string(stopped));
        int marked = 0;
        for (int i = 0; i < 91; ++i) marked += f.services->ServiceNames->checked(i);
        CHECK(marked == int(stopped));
        CHECK(f.services->ServiceNames->checked(kSnmp));
        CHECK(f.services->ServiceNames->itemIndex() == 0);
        CHECK(logTexts(f).back() == "Проверка общего состояния служб завершена");

        // Named after the newest line before the filter; the filter's own lines come later.
        const std::string newest = lastStamp();
        const std::string file = std::string(kLogsFolder) + "Running services " + newest + ".logz";
        // Expected from outside the program: the system names of the services the system reports
        // running, in catalogue order.
        const std::vector<std::string> systemNames = splitListLines(readProgramFile(kSystemNamesList));
        REQUIRE(systemNames.size() == 91);
        std::string expected;
        for (int i = 0; i < 91; ++i)
            if (liveState(systemNames[size_t(i)].c_str()) == SERVICE_RUNNING) expected += systemNames[size_t(i)] + "\r\n";
        f.services->SortTwAClick();
        CHECK(f.state.SortKind == ListFilter::Running);
        REQUIRE(f.services->ServiceNames->count() == int(running));
        CHECK(lastStamp() != newest);
        CHECK(readProgramFile(file) == expected);
        const int row = int(running) - 1;
        select(f, row);
        const int index = f.state.runningRows[size_t(row)];
        CHECK(f.state.ServiceNumber == std::to_string(index + 1) + ".html");
        CHECK(f.services->InfoName->text() == f.state.runningNames[size_t(row)]);
        CHECK(f.services->InfoStatus->text() == kStateRunning);

        // A check while filtered brings back the full list first.
        f.services->ServCheckStateClick();
        CHECK(f.state.SortKind == ListFilter::All);
        CHECK(f.services->ServiceNames->count() == 91);

        f.services->SortTwNAClick();
        CHECK(f.services->ServiceNames->count() == int(stopped));
        select(f, 0);
        CHECK(f.state.ServiceNumber == std::to_string(f.state.stoppedRows[0] + 1) + ".html");
        f.services->SortTwDClick();
        CHECK(f.services->ServStart->enabled());
        CHECK(f.services->ServStop->enabled());
    }
}

TEST_CASE("the mark-all switch alternates its caption and the marks") {
    prepareStartedFolder();
    ProgramFixture p;
    p.create();
    MainForm& f = *p.form;
    f.services->ServCheckUncheckClick();
    CHECK(f.services->ServCheckUncheck->text() == "Снять выделение");
    CHECK(f.services->ServiceNames->checked(0));
    CHECK(f.services->ServiceNames->checked(90));
    f.services->ServCheckUncheckClick();
    CHECK(f.services->ServCheckUncheck->text() == "Отметить все");
    CHECK_FALSE(f.services->ServiceNames->checked(90));
}

TEST_CASE("the search box selects the row at its position and clears the selection on no match") {
    prepareStartedFolder();
    ProgramFixture p;
    p.create();
    MainForm& f = *p.form;
    f.services->ServiceNameCBUni->setItemIndex(36);
    f.services->ServiceNameCBUniChange();
    CHECK(f.services->ServiceNames->itemIndex() == 36);
    // Typed text that begins no display name: the box selects nothing and neither does the list.
    f.services->ServiceNameCBUni->setText("Zzz no such service");
    f.services->ServiceNameCBUni->handleCommand(CBN_EDITCHANGE);
    CHECK(f.services->ServiceNameCBUni->itemIndex() == -1);
    CHECK(f.services->ServiceNameCBUni->text() == "Zzz no such service");
    CHECK(f.services->ServiceNames->itemIndex() == -1);
}

TEST_CASE("the extra-functions panel opens and closes with its two log lines") {
    prepareStartedFolder();
    ProgramFixture p;
    p.create();
    MainForm& f = *p.form;
    f.services->TweackStartClick();
    CHECK(f.services->tweak->TweackPanel->visible());
    CHECK(logTexts(f).back() == "Активизирована панель дополнительных функций");
    f.services->TweackStartClick();
    CHECK_FALSE(f.services->tweak->TweackPanel->visible());
    CHECK(logTexts(f).back() == "Панель дополнительных функций скрыта");
}
