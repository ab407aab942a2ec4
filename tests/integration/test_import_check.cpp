// The check after each import, with the real registry editor of the test prefix, an editor
// that exits without importing, as a user's No to its question leaves things, and the editor
// started by a launcher that ends at once, as on 64-bit Windows.
#include <doctest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "platform/files.h"
#include "registry/import_watch.h"
#include "tests/support/config_folder.h"
#include "tests/support/program_fixture.h"
#include "tests/support/registry_fixture.h"

using namespace qlmr;
using namespace qlmr::test;

namespace {

// Lets the window's messages (and so the check's timer) run until the check has reported.
bool checkReported(MainForm& f) {
    return waitUntil([&] {
        f.PauseWithMessages(20);
        return !f.importWatch->pending();
    }, 10000);
}

std::vector<std::string> linesFrom(const MainForm& f, const std::string& first) {
    const std::vector<std::string> log = logTexts(f);
    for (size_t i = 0; i < log.size(); ++i)
        if (log[i].rfind(first, 0) == 0) return std::vector<std::string>(log.begin() + long(i), log.end());
    return {};
}

// "Проверка импорта: M из N ..." read back as M and N.
std::pair<int, int> counts(const std::string& summary) {
    int matching = -1, total = -1;
    const size_t colon = summary.find(": ");
    std::sscanf(summary.c_str() + colon + 2, "%d", &matching);
    const size_t of = summary.find(" из ");
    if (of != std::string::npos) std::sscanf(summary.c_str() + of + 6, "%d", &total);   // " из " is 6 bytes
    return {matching, total};
}

std::vector<std::string> catalogueNames() {
    ProgramFixture p;
    return p.form->state.ServiceSysName.items();
}

}  // namespace

TEST_CASE("import check: an applied preset matches value for value, after the handler's lines; a balloon when hidden") {
    const std::vector<std::string> names = catalogueNames();
    ServiceKeysGuard guard(names);
    prepareConfigFolder(true);
    setServiceDword("wuauserv", "Start", 3);
    ProgramFixture p(true);
    MainForm& f = *p.form;
    f.config->TweackedcfClick();
    f.mxCaptionBarButtonsButtons2Click();   // hidden in the tray
    f.config->ConfigApplyvClick();
    REQUIRE(checkReported(f));
    CHECK(serviceDword("wuauserv", "Start") == 2ul);

    const std::vector<std::string> tail = linesFrom(f, "Конфигурация скопирована в реестр");
    REQUIRE(tail.size() == 4);
    CHECK(tail[2] == "Был использован файл: tweaked.html.reg");
    const auto [matching, total] = counts(tail[3]);
    CHECK(total > 5);   // the preset's services that are installed: the copy the editor gets keeps no other
    CHECK(matching == total);
    CHECK(tail[3] == "Проверка импорта: " + std::to_string(total) + " из " + std::to_string(total) +
                         " значений совпадают с файлом tweaked.html.reg");
    CHECK(f.tray->RxTrayIconMain->lastBalloon() == tail[3]);
    f.tray->N8Click();

    // Two imports before the first has been checked: the later one replaces it.
    f.config->GamingcfClick();
    f.config->ConfigApplyvClick();
    REQUIRE(waitForRegistryEditors());   // two editors at once would race each other
    f.config->CommoncfClick();
    f.config->ConfigApplyvClick();
    REQUIRE(checkReported(f));
    REQUIRE(waitForRegistryEditors());
    const std::vector<std::string> second = linesFrom(f, "Был использован файл: gaming.html.reg");
    REQUIRE(second.size() == 9);   // the later apply's snapshot and import lines, then one check
    CHECK(second[7] == "Был использован файл: common.html.reg");
    CHECK(second[8].find("значений совпадают с файлом common.html.reg") != std::string::npos);
}

TEST_CASE("import check: a declined import changes nothing and names the values that differ") {
    const std::vector<std::string> names = catalogueNames();
    ServiceKeysGuard guard(names);
    prepareConfigFolder(true);
    setServiceDword("wuauserv", "Start", 3);
    setServiceDword("Spooler", "Start", 2);
    ProgramFixture p(true);
    p.shell.declineImports = true;
    MainForm& f = *p.form;
    f.config->TweackedcfClick();
    f.config->ConfigApplyvClick();
    REQUIRE(checkReported(f));
    CHECK(serviceDword("wuauserv", "Start") == 3ul);

    const std::vector<std::string> tail = linesFrom(f, "Проверка импорта: ");
    REQUIRE(tail.size() >= 3);
    const auto [matching, total] = counts(tail[0]);
    CHECK(matching < total);
    CHECK(tail[0].find("с файлом tweaked.html.reg; ни одно значение не изменилось: импорт не выполнен") !=
          std::string::npos);
    CHECK(int(tail.size()) == 1 + total - matching);
    auto named = [&](const std::string& line) { return std::find(tail.begin(), tail.end(), line) != tail.end(); };
    CHECK(named("Значение не совпадает: wuauserv\\Start: в реестре 3, в файле 2"));
    CHECK(named("Значение не совпадает: Spooler\\Start: в реестре 2, в файле 3"));
}

TEST_CASE("import check: restoring a backup taken before a preset apply brings every value back") {
    const std::vector<std::string> names = catalogueNames();
    ServiceKeysGuard guard(names);
    prepareConfigFolder(true);
    setServiceDword("wuauserv", "Start", 3);
    ProgramFixture p(true);
    MainForm& f = *p.form;
    f.backups->BackupAddNewClick();
    REQUIRE(waitForRegistryEditors());
    f.backups->BackupSearchClick();
    std::string backup;
    for (int i = 0; i < f.backups->BackupBox->count(); ++i)
        if (f.backups->BackupBox->item(i).rfind("Backup of ", 0) == 0) f.backups->BackupBox->setItemIndex(i);
    f.backups->BackupBoxClick();
    backup = f.backups->BackupNameTextLb->text();
    REQUIRE(backup.rfind("Backup of ", 0) == 0);

    f.config->TweackedcfClick();
    f.config->ConfigApplyvClick();
    REQUIRE(checkReported(f));
    REQUIRE(serviceDword("wuauserv", "Start") == 2ul);

    f.backups->BackupAddClick();
    REQUIRE(checkReported(f));
    CHECK(serviceDword("wuauserv", "Start") == 3ul);
    const std::vector<std::string> tail = linesFrom(f, "Реестр восстановлен из резерной копии");
    REQUIRE(tail.size() == 4);
    const auto [matching, total] = counts(tail[3]);
    CHECK(total > 10);
    CHECK(matching == total);
    CHECK(tail[3].find(" с файлом " + backup) != std::string::npos);
}

TEST_CASE("import check: an editor that a launcher starts and outlives is waited for, however late it starts") {
    const std::vector<std::string> names = catalogueNames();
    for (unsigned long delay : {0UL, 1500UL}) {
        CAPTURE(delay);
        ServiceKeysGuard guard(names);
        prepareConfigFolder(true);
        setServiceDword("wuauserv", "Start", 3);
        ProgramFixture p(true);
        p.shell.editorLauncher = programFolder() + "early_exit_launcher.exe";
        p.shell.launcherDelayMs = delay;
        MainForm& f = *p.form;
        f.config->TweackedcfClick();
        f.config->ConfigApplyvClick();
        REQUIRE(checkReported(f));
        CHECK(serviceDword("wuauserv", "Start") == 2ul);
        const std::vector<std::string> tail = linesFrom(f, "Проверка импорта: ");
        REQUIRE(tail.size() == 1);   // every value as the file sets it: compared after the editor
        const auto [matching, total] = counts(tail[0]);
        CHECK(total > 5);
        CHECK(matching == total);
        REQUIRE(waitForRegistryEditors());
    }
}
