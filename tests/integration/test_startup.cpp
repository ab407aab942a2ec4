// Start-up of the main window over a real program folder.
#include <doctest.h>

#include "base/identity.h"
#include "platform/files.h"

#include <windows.h>
#include "tests/support/program_fixture.h"

using namespace qlmr;
using namespace qlmr::test;

namespace {

const char* kSettings = "[Program]\r\nVersionInfo=2.0\r\nDateRelease=01.02.2008\r\nShowLangForm=N\r\n"
                        "LangName=rus.lng\r\nDefaultLang=-1\r\n";

void notFirstRun() {
    createFolders(programFolder() + kRegistryFolder);
    writeProgramFile("Baze\\Regz\\InitialAstState.reg", "Windows Registry Editor Version 5.00\r\n");
}

}  // namespace

TEST_CASE("start-up logs its steps in order and sets the caption from main.ini") {
    resetProgramFolder();
    writeProgramFile("main.ini", kSettings);
    notFirstRun();
    ProgramFixture p;
    p.create();
    CHECK(p.form->caption() == "Quillmere (QLMR) by Palewick Workshop- ver. 2.0");
    std::vector<std::string> expected = {"Начало лог файла",
                                         "Программа запущена",
                                         "Загружен список сервисов",
                                         "Загружен список системных имен сервисов",
                                         "Загружен список имен сервисов,отображаемых в Task Manager",
                                         "Созданы папки для хранения логов и резервных копий",
                                         "Логи: " + programFolder() + "Baze\\Logz\\",
                                         "Резервные копии: " + programFolder() + "Baze\\Regz\\"};
    auto texts = logTexts(*p.form);
    REQUIRE(texts.size() >= expected.size());
    for (size_t i = 0; i < expected.size(); ++i) CHECK(texts[i] == expected[i]);
    CHECK(p.dialogs.count("firstrun") == 0);
    CHECK(p.dialogs.count("error") == 0);
    CHECK(p.form->services->ServiceNames->count() == 91);
    CHECK(p.form->state.ServiceSysName.count() == 91);
    CHECK(p.form->state.OptLangComboBox.text() == "rus.lng");
    // Every line starts with "[dd.mm.yyyy hh.nn.ss] ".
    const std::string& first = p.form->logPage->LogBox->line(0);
    CHECK(first.size() > 22);
    CHECK(first[0] == '[');
    CHECK(first.substr(20, 2) == "] ");
}

TEST_CASE("a missing system-name file keeps the built-in host processes and stops start-up") {
    resetProgramFolder();
    writeProgramFile("main.ini", kSettings);
    notFirstRun();
    FileAway away("ServicesSysNames.dat");
    ProgramFixture p;
    p.create();
    CHECK(p.dialogs.count("error") == 1);
    CHECK(p.dialogs.last("error").find("Cannot open file \"" + programFolder() + "ServicesSysNames.dat\".") == 0);
    CHECK(p.form->services->ServiceNames->count() == 91);
    CHECK(p.form->state.ServiceSysName.count() == 0);
    CHECK(p.form->state.ServiceTMName.count() == 91);
    CHECK(p.form->state.ServiceTMName.at(36) == "svchost.exe.exe");
    CHECK(logContains(*p.form, "Загружен список сервисов"));
    CHECK_FALSE(logContains(*p.form, "Загружен список системных имен сервисов"));
}

TEST_CASE("no main.ini: the caption ends in No data and the language step reports No data") {
    resetProgramFolder();
    FileAway away("main.ini");
    notFirstRun();
    ProgramFixture p;
    p.create();
    CHECK(p.form->caption() == "Quillmere (QLMR) by Palewick Workshop- ver. No data");
    CHECK(p.dialogs.last("error") == "'No data' is not a valid integer value.");
    CHECK(p.form->state.OptLangComboBox.text().empty());
}

TEST_CASE("first run answered No writes nothing and leaves the language unset") {
    resetProgramFolder();
    writeProgramFile("main.ini", kSettings);
    ProgramFixture p;
    p.dialogs.answers.push_back(tk::Answer::No);
    p.create();
    CHECK(p.dialogs.count("firstrun") == 1);
    CHECK(listFiles(programFolder() + kRegistryFolder, "*.reg").empty());
    CHECK_FALSE(p.form->state.InitialEdit);
    CHECK(p.form->state.OptLangComboBox.text().empty());
}
