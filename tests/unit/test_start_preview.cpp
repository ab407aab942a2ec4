#include <doctest.h>

#include <algorithm>

#include "config/preview_text.h"
#include "config/start_preview.h"

using namespace qlmr;

namespace {

std::vector<std::string> runningNow;

bool isRunning(const ServiceNow& s) { return std::find(runningNow.begin(), runningNow.end(), s.systemName) != runningNow.end(); }

ServiceNow service(const char* name, uint32_t start, bool running = false) {
    if (running) runningNow.push_back(name);
    ServiceNow s;
    s.systemName = name;
    s.displayName = std::string("Display ") + name;
    s.installed = true;
    s.start = start;
    return s;
}

std::string russian(const std::string& key) { return builtinPreviewPhrase(key); }

std::string english(const std::string& key) {
    if (key == "PreviewChanges") return "%s service will change|%s services will change";
    if (key == "PreviewDisabled") return "%s will be disabled";
    if (key == "PreviewManual") return "%s set to manual";
    return "?";
}

StartPreview previewOf(int disabled, int manual, int notInstalled) {
    StartPreview p;
    PreviewRow row;
    row.after = 4;
    p.rows.insert(p.rows.end(), size_t(disabled), row);
    row.after = 3;
    p.rows.insert(p.rows.end(), size_t(manual), row);
    p.notInstalled = notInstalled;
    return p;
}

}  // namespace

TEST_CASE("preview: the rows are the installed services whose Start the file changes") {
    std::vector<ServiceNow> catalogue = {service("Alerter", 2), service("Spooler", 2, true), service("RpcSs", 2, true),
                                         service("Browser", 3), service("LanmanServer", 2, true),
                                         service("Dhcp", 2, true), service("Idle", 3)};
    ServiceNow missing = service("Messenger", 0);
    missing.installed = false;
    catalogue.push_back(missing);
    catalogue[4].dependOnService = {"spooler", "Alerter"};   // running, needs Spooler and Alerter
    catalogue[3].dependOnService = {"Dhcp"};                 // manual and stopped: does not count
    catalogue[5].group = "TDI";
    catalogue[6].dependOnGroup = {"tdi"};
    catalogue[6].start = 2;                                  // automatic, needs Dhcp's group
    catalogue.push_back(catalogue[0]);                       // a name twice in the catalogue

    const std::vector<StartTarget> targets = {{"ALERTER", 4}, {"Spooler", 4}, {"RpcSs", 2},
                                              {"Browser", 4}, {"Dhcp", 4},    {"Messenger", 4}, {"NotInCatalogue", 4}};
    const StartPreview p = buildStartPreview(catalogue, targets, isRunning);

    REQUIRE(p.rows.size() == 4);
    CHECK(p.rows[0].systemName == "Alerter");   // rows with a note first, catalogue order kept
    CHECK(p.rows[0].now == 2);
    CHECK(p.rows[0].after == 4);
    CHECK_FALSE(p.rows[0].disablesRunning);
    CHECK(p.rows[0].dependents == std::vector<std::string>{"Display LanmanServer"});
    CHECK(p.rows[1].systemName == "Spooler");
    CHECK(p.rows[1].disablesRunning);
    CHECK(p.rows[1].dependents == std::vector<std::string>{"Display LanmanServer"});
    CHECK(p.rows[2].systemName == "Dhcp");
    CHECK(p.rows[2].dependents == std::vector<std::string>{"Display Idle"});
    CHECK(p.rows[3].systemName == "Browser");
    CHECK_FALSE(p.rows[3].eyeCatching());
    CHECK(p.notInstalled == 1);

    const PreviewPhrases phrases = russian;
    CHECK(previewNote(p.rows[1], phrases) == "работает сейчас; от неё зависят: Display LanmanServer");
    CHECK(previewNote(p.rows[3], phrases).empty());
    CHECK(startTypeName(4, phrases) == "Отключена");
    CHECK(previewSummary(p, phrases) ==
          "Изменится 4 службы: 4 будут отключены; 1 служба из файла не установлена");
}

TEST_CASE("preview: Start values read from a file, the last one for a service winning") {
    const RegFileContent file = parseRegFile(
        "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Alerter]\n\"Start\"=dword:3\n"
        "[HKLM\\system\\currentcontrolset\\services\\Alerter]\n\"start\"=dword:4\n"
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Alerter\\Parameters]\n\"Start\"=dword:2\n"
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Services\\Spooler]\n\"Start\"=dword:2\n"
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Dhcp]\n\"Start\"=\"4\"\n\"Type\"=dword:20\n");
    const std::vector<StartTarget> targets = startTargets(file);
    REQUIRE(targets.size() == 1);
    CHECK(targets[0].systemName == "Alerter");
    CHECK(targets[0].start == 4);
}

TEST_CASE("preview summary: plural forms in Russian and English") {
    struct Case {
        int disabled, manual, notInstalled;
        const char* russianText;
        const char* englishText;
    };
    const Case cases[] = {
        {17, 6, 0, "Изменится 23 службы: 17 будут отключены, 6 переведены в ручной режим",
         "23 services will change: 17 will be disabled, 6 set to manual"},
        {1, 0, 0, "Изменится 1 служба: 1 будет отключена", "1 service will change: 1 will be disabled"},
        {0, 11, 5, "Изменится 11 служб: 11 переведены в ручной режим; 5 служб из файла не установлены",
         "11 services will change: 11 set to manual; ?"},
        {21, 0, 2, "Изменится 21 служба: 21 будет отключена; 2 службы из файла не установлены",
         "21 services will change: 21 will be disabled; ?"},
        {0, 0, 0, "Ничего не изменится", "?"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.russianText);
        const StartPreview p = previewOf(c.disabled, c.manual, c.notInstalled);
        CHECK(previewSummary(p, russian) == c.russianText);
        CHECK(previewSummary(p, english) == c.englishText);
    }
    CHECK(pluralPhrase("%s служба|%s службы|%s служб", 112) == "112 служб");
    CHECK(pluralPhrase("%s служба|%s службы|%s служб", 104) == "104 службы");
    CHECK(pluralPhrase("one form %s", 7) == "one form 7");
}
