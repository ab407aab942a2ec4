// The configurations page and the first run, with the real registry editor of the test prefix.
#include <doctest.h>

#include <windows.h>

#include <algorithm>
#include <map>
#include <optional>

#include "base/identity.h"
#include "base/last_stamp.h"
#include "platform/errors.h"
#include "toolkit/dialogs.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "tests/support/config_folder.h"
#include "tests/support/program_fixture.h"
#include "tests/support/registry_fixture.h"

using namespace qlmr;
using namespace qlmr::test;

namespace {

std::string importedCopy(const std::string& name) {
    return "\"" + toShortPath(programFolder() + kImportFolder + name) + "\"";
}

std::vector<std::string> catalogueNames() {
    ProgramFixture p;
    return p.form->state.ServiceSysName.items();
}

std::map<std::string, std::optional<unsigned long>> startTypes(const std::vector<std::string>& names) {
    std::map<std::string, std::optional<unsigned long>> out;
    for (const std::string& n : names)
        if (serviceKeyExists(n)) out[n] = serviceDword(n, "Start");
    return out;
}

// The editor writes the export as it goes: done once it is there and has stopped growing.
bool waitForExport(const std::string& path) {
    if (!waitUntil([&] { return fileExists(path); })) return false;
    size_t last = 0;
    return waitUntil([&] {
        const size_t now = readFileBytes(path).size();
        const bool settled = now > 0 && now == last;
        last = now;
        Sleep(100);
        return settled;
    });
}

std::string presetDescription(const char* kind) {
    const std::string ini = ansiToUtf8(readProgramFile("Configz\\dravel.twk"));
    const std::string head = std::string("[") + kind + "]\r\nInfo=";
    const size_t at = ini.find(head);
    if (at == std::string::npos) return {};
    const size_t from = at + head.size();
    return ini.substr(from, ini.find("\r\n", from) - from);
}

// The shell as it fails: ShellExecute's result 2 with the reason in the last error.
struct FailingShell : Shell {
    long execute(void*, const std::string&, const std::string&, const std::string&, const std::string&,
                 ShowCommand) override {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return 2;
    }
    bool moveToRecycleBin(const std::string&) override { return false; }
};

}  // namespace

TEST_CASE("choosing a preset shows its description and names its registry file") {
    prepareConfigFolder(true);
    ProgramFixture p;
    MainForm& f = *p.form;
    CHECK(f.state.ConfigKind == "ConfigKind");
    CHECK(f.config->DescriptionMemo->text() == "Выберите одну из доступных конфигураций");
    struct Case { void (ConfigPage::*click)(); const char* kind; };
    for (Case c : {Case{&ConfigPage::TweackedcfClick, "tweaked.html"}, Case{&ConfigPage::InternetcfClick, "internet.html"},
                   Case{&ConfigPage::GamingcfClick, "gaming.html"}, Case{&ConfigPage::CommoncfClick, "common.html"}}) {
        CAPTURE(c.kind);
        ((*f.config).*c.click)();
        CHECK(f.state.ConfigKind == c.kind);
        CHECK(f.state.ConfigRegFileName == std::string(c.kind) + ".reg");
        CHECK(f.config->DescriptionMemo->text() == presetDescription(c.kind));
        CHECK(programFileExists(std::string("Configz\\") + c.kind + ".reg"));
    }
    CHECK(f.config->DescriptionMemo->text().rfind("Безопасная конфигурация", 0) == 0);
}

TEST_CASE("a missing presets description reads as No Data") {
    prepareConfigFolder(true);
    const std::string twk = readProgramFile("Configz\\dravel.twk");
    DeleteFileA((programFolder() + "Configz\\dravel.twk").c_str());
    ProgramFixture p;
    p.form->config->GamingcfClick();
    writeProgramFile("Configz\\dravel.twk", twk);
    CHECK(p.form->config->DescriptionMemo->text() == "No Data");
    CHECK(p.form->state.ConfigRegFileName == "gaming.html.reg");
}

TEST_CASE("apply before a choice, or a No to the question, changes nothing") {
    prepareConfigFolder(true);
    ProgramFixture p;
    useTestLanguage(*p.form);
    SUBCASE("no preset chosen") {
        p.form->config->ConfigApplyvClick();
        p.form->config->DescrFullLabelClick();
        CHECK(p.dialogs.count("info") == 2);
        CHECK(p.dialogs.last("info") == testMessage("msg8"));
        CHECK(p.dialogs.count("question") == 0);
    }
    SUBCASE("answered No") {
        p.form->config->GamingcfClick();
        p.dialogs.answers.push_back(tk::Answer::No);
        p.form->config->ConfigApplyvClick();
        CHECK(p.dialogs.last("question") == testMessage("msg13", "gaming.html.reg"));
        CHECK(p.dialogs.shown.back().caption == kWindowTitle);
    }
    CHECK(p.shell.calls.empty());
    CHECK_FALSE(p.form->config->ConfigApplyUndo->enabled());
    CHECK_FALSE(fileExists(registryFolderPath() + "CurrentAstState.reg"));
    CHECK(logTexts(*p.form).empty());
}

TEST_CASE("an editor that cannot be started: the system error, the undo button stays enabled") {
    prepareConfigFolder(true);
    ProgramFixture p;
    useTestLanguage(*p.form);
    p.form->state.ServiceSysName.assign({});
    FailingShell failing;
    env().shell = &failing;
    p.form->config->InternetcfClick();
    tk::runHandler([&] { p.form->config->ConfigApplyvClick(); });
    env().shell = &p.shell;
    CHECK(p.dialogs.last("error") == tk::errorBoxText(OsError(ERROR_FILE_NOT_FOUND).what()));
    CHECK(p.dialogs.last("error").rfind("System Error.  Code: 2.\r\n", 0) == 0);
    CHECK(p.form->config->ConfigApplyUndo->enabled());
    CHECK(fileExists(registryFolderPath() + "CurrentAstState.reg"));
    CHECK(fileExists(registryFolderPath() + "InitialDescription.reg"));
    CHECK_FALSE(logContains(*p.form, "Конфигурация скопирована в реестр"));
}

TEST_CASE("first run answered Yes, a preset applied and undone: the first-run start types come back") {
    const std::vector<std::string> names = catalogueNames();
    ServiceKeysGuard guard(names);
    prepareConfigFolder(false);
    ProgramFixture p(true);
    p.create();
    MainForm& f = *p.form;
    REQUIRE(p.dialogs.count("firstrun") == 1);
    CHECK(p.dialogs.shown.front().text == testMessage("msg14"));
    CHECK(p.dialogs.count("error") == 0);

    // The backup, named after the stamp of start-up's own lines before it, and both snapshots.
    const auto lines = f.logPage->LogBox->lines();
    const auto folders = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
        return l.find("] Резервные копии: ") != std::string::npos;
    });
    REQUIRE(folders != lines.end());
    const std::string backup = "Backup of " + folders->substr(1, 19) + ".reg";
    CHECK(p.dialogs.last("info") == testMessage("msg3", backup));
    CHECK(p.shell.calls.front().parameters ==
          "/e \"" + registryFolderPath() + backup + "\" \"HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\"");
    REQUIRE(waitForExport(registryFolderPath() + backup));
    CHECK(readFileBytes(registryFolderPath() + backup).rfind("\xFF\xFE", 0) == 0);
    CHECK(fileExists(registryFolderPath() + "InitialAstState.reg"));
    CHECK(fileExists(registryFolderPath() + "InitialDescription.reg"));
    CHECK(f.state.InitialEdit);
    CHECK(logContains(f, "Скопированна в файл: " + backup));
    const auto firstRun = startTypes(names);
    REQUIRE(firstRun.at("wuauserv") != 2ul);   // the lean preset starts updates automatically

    f.config->TweackedcfClick();
    f.config->ConfigApplyvClick();
    CHECK(p.dialogs.last("question") == testMessage("msg13", "tweaked.html.reg"));
    CHECK(f.config->ConfigApplyUndo->enabled());
    CHECK(p.shell.calls.back().parameters == importedCopy("tweaked.html.reg"));
    REQUIRE(waitUntil([] { return serviceDword("wuauserv", "Start") == 2ul; }));
    REQUIRE(waitForRegistryEditors());
    CHECK(serviceDword("lanmanserver", "Start") == 4ul);
    CHECK(fileExists(registryFolderPath() + "CurrentAstState.reg"));
    const auto log = logTexts(f);
    CHECK(log[log.size() - 3] == "Конфигурация скопирована в реестр");
    CHECK(log[log.size() - 2] == "Ветка: HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services");
    CHECK(log.back() == "Был использован файл: tweaked.html.reg");
    CHECK(p.dialogs.last("info") == testMessage("msg10"));

    f.config->ConfigApplyUndoClick();
    const std::string initial = toShortPath(registryFolderPath() + "InitialAstState.reg");
    CHECK(p.dialogs.last("question") == testMessage("msg15", "tweaked.html.reg"));
    CHECK(waitUntil([&] { return serviceDword("wuauserv", "Start") == firstRun.at("wuauserv"); }));
    REQUIRE(waitForRegistryEditors());
    for (const auto& entry : firstRun) {   // keys the preset made stay as it left them
        CAPTURE(entry.first);
        CHECK(serviceDword(entry.first, "Start") == entry.second);
    }
    CHECK(logTexts(f).back() == "Был использован файл: " + initial);
    CHECK_FALSE(f.config->ConfigApplyUndo->enabled());
}

// The start types of data/presets.tsv, the source the shipped preset files are made from:
// system name to the value in the preset's column, nothing for "-" (left alone).
std::map<std::string, std::optional<unsigned long>> presetTable(const std::string& preset) {
    const std::string text = readFileBytes(QLMR_DATA_DIR "/presets.tsv");
    std::vector<std::vector<std::string>> rows;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = text.find('\n', at);
        std::vector<std::string> cells;
        std::string line = text.substr(at, end - at);
        for (size_t from = 0, tab = 0; tab != std::string::npos; from = tab + 1) {
            tab = line.find('\t', from);
            cells.push_back(line.substr(from, tab - from));
        }
        rows.push_back(cells);
        at = end == std::string::npos ? text.size() : end + 1;
    }
    const size_t column = std::find(rows[0].begin(), rows[0].end(), preset) - rows[0].begin();
    const std::map<std::string, unsigned long> values = {{"auto", 2}, {"manual", 3}, {"off", 4}};
    std::map<std::string, std::optional<unsigned long>> out;
    for (size_t i = 1; i < rows.size(); ++i) {
        const auto value = values.find(rows[i].at(column));
        out[rows[i][0]] = value == values.end() ? std::nullopt : std::optional(value->second);
    }
    return out;
}

TEST_CASE("every shipped preset goes through the registry editor and sets the table's start types") {
    struct Case { void (ConfigPage::*click)(); const char* preset; };
    for (Case c : {Case{&ConfigPage::InternetcfClick, "internet"}, Case{&ConfigPage::GamingcfClick, "gaming"},
                   Case{&ConfigPage::CommoncfClick, "common"}, Case{&ConfigPage::TweackedcfClick, "tweaked"}}) {
        const std::string preset = c.preset;
        CAPTURE(preset);
        const std::vector<std::string> names = catalogueNames();
        ServiceKeysGuard guard(names);
        prepareConfigFolder(true);
        const auto expected = presetTable(c.preset);
        REQUIRE(expected.size() == 84);
        for (const auto& [name, start] : expected)   // the opposite of what the preset wants
            setServiceDword(name, "Start", start == 4ul ? 3 : 4);
        const auto before = startTypes(names);
        ProgramFixture p(true);
        ((*p.form->config).*c.click)();
        p.form->config->ConfigApplyvClick();
        REQUIRE(waitUntil([] { return serviceDword("AudioSrv", "Start") == 2ul; }));
        REQUIRE(waitForRegistryEditors());
        for (const auto& [name, start] : expected) {
            CAPTURE(name);
            CHECK(serviceDword(name, "Start") == (start ? start : before.at(name)));
        }
    }
}

TEST_CASE("first run answered No leaves nothing and asks again at the next start") {
    prepareConfigFolder(false);
    for (int run = 0; run < 2; ++run) {
        ProgramFixture p;
        p.dialogs.answers.push_back(tk::Answer::No);
        p.create();
        CHECK(p.dialogs.count("firstrun") == 1);
        CHECK(p.shell.calls.empty());
        CHECK(listFiles(registryFolderPath(), "*.reg").empty());
    }
}

namespace {

using StoredTexts = std::pair<std::optional<std::string>, std::optional<std::string>>;

std::map<std::string, StoredTexts> storedTexts(const std::vector<std::string>& names) {
    std::map<std::string, StoredTexts> out;
    for (const std::string& n : names)
        if (serviceKeyExists(n)) out[n] = {serviceText(n, "Description"), serviceText(n, "DisplayName")};
    return out;
}

std::vector<std::string> servicesBranchKeys() {
    std::vector<std::string> keys;
    HKEY branch;
    REQUIRE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services", 0, KEY_READ, &branch) == 0);
    char name[256];
    for (DWORD i = 0, size = sizeof name; RegEnumKeyExA(branch, i, name, &size, nullptr, nullptr, nullptr, nullptr) == 0;
         ++i, size = sizeof name)
        keys.push_back(name);
    RegCloseKey(branch);
    return keys;
}

}  // namespace

// Twice in, or in and then a preset: back brings the texts from before the first swap-in, a
// description that was missing is missing again, and no key of a missing service is made.
TEST_CASE("fault: descriptions swapped in twice, or before a preset, come back as they were") {
    const std::vector<std::string> names = catalogueNames();
    ServiceKeysGuard guard(names);
    prepareConfigFolder(true);
    setServiceString("Alerter", "DisplayName", "Оповещатель без описания");   // the guard removes it
    const auto keysBefore = servicesBranchKeys();
    const auto before = storedTexts(names);
    REQUIRE(before.at("Spooler").first);
    REQUIRE_FALSE(before.at("Alerter").first);

    ProgramFixture p(true);
    useTestLanguage(*p.form);
    MainForm& f = *p.form;
    CHECK_FALSE(f.config->ChangeDescriptionBackButton->enabled());
    f.config->ChangeDescriptionButtonClick();
    const std::string shipped = programFolder() + "Configz\\RusDescription.reg";
    CHECK(p.dialogs.last("info") == testMessage("msg2", shipped));
    CHECK(p.shell.calls.back().parameters == importedCopy("RusDescription.reg"));
    CHECK(logTexts(f).back() == "Был использован файл: " + shipped);
    CHECK(f.config->ChangeDescriptionBackButton->enabled());
    REQUIRE(waitUntil([] { return serviceText("Spooler", "DisplayName") == "Диспетчер очереди печати"; }));
    CHECK(serviceText("Spooler", "Description") == "Загружает в память файлы для последующей печати.");
    REQUIRE(waitForRegistryEditors());
    CHECK(serviceText("Alerter", "Description"));

    SUBCASE("swapped in again") {
        f.config->ChangeDescriptionButtonClick();
        REQUIRE(waitForRegistryEditors());
    }
    SUBCASE("a preset applied") {
        f.config->TweackedcfClick();
        f.config->ConfigApplyvClick();
        CHECK(p.shell.calls.back().parameters == importedCopy("tweaked.html.reg"));
        CHECK(logTexts(f).back() == "Был использован файл: tweaked.html.reg");
        REQUIRE(waitUntil([] { return serviceDword("wuauserv", "Start") == 2ul; }));
        REQUIRE(waitForRegistryEditors());
        CHECK(servicesBranchKeys() == keysBefore);
    }
    f.config->ChangeDescriptionBackButtonClick();
    CHECK(p.shell.calls.back().parameters == importedCopy("InitialDescription.reg"));
    CHECK(waitUntil([&] { return serviceText("Spooler", "DisplayName") == before.at("Spooler").second; }));
    REQUIRE(waitForRegistryEditors());
    CHECK(storedTexts(names) == before);
    CHECK(servicesBranchKeys() == keysBefore);
    CHECK(f.config->ChangeDescriptionBackButton->enabled());
    const auto log = logTexts(f);
    CHECK(log[log.size() - 2] == "Описание служб изменено.Вы можете отменить изменения.Для этого кликните по кнопке "
                                 "\"Сменить описание сервисов\"");
    CHECK(log.back() == "Был использован файл: " + registryFolderPath() + "InitialDescription.reg");
}
