// Faults from hostile language files: bad format sequences, huge lines, binary bytes.
#include <doctest.h>

#include <windows.h>

#include <algorithm>

#include "base/identity.h"
#include "lang/translation.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "services/list_file.h"
#include "tests/support/program_fixture.h"

using namespace qlmr;
using namespace qlmr::test;

namespace {

// A language file of the test's own, made current for the messages.
struct HostileLanguage {
    explicit HostileLanguage(MainForm& f, const std::string& bytes) {
        writeProgramFile("Langz\\hostile.lng", bytes);
        f.state.OptLangComboBox.setText("hostile.lng");
    }
    ~HostileLanguage() { DeleteFileW(widePath(programFolder() + "Langz\\hostile.lng").c_str()); }
};

void applyWithMessage(ProgramFixture& p, const std::string& msg13) {
    HostileLanguage lang(*p.form, "[Msg]\r\nmsg13=" + msg13 + "\r\n");
    p.form->config->TweackedcfClick();
    tk::runHandler([&] { p.form->config->ConfigApplyvClick(); });
}

}  // namespace

TEST_CASE("fault: a language file with %n, %d or two %s in a formatted message") {
    for (const std::string text : {"Apply %n?", "Apply %d?", "Apply %s to %s?"}) {
        prepareStartedFolder();
        ProgramFixture p;
        applyWithMessage(p, text);
        CAPTURE(text);
        CHECK(p.dialogs.last("error") == "Format '" + text + "' invalid or incompatible with argument.");
        CHECK(p.dialogs.count("question") == 0);
        // Nothing was done: no snapshot, undo still off, nothing imported.
        CHECK_FALSE(programFileExists("Baze\\Regz\\CurrentAstState.reg"));
        CHECK_FALSE(p.form->config->ConfigApplyUndo->enabled());
        CHECK(p.shell.calls.empty());
    }
}

TEST_CASE("fault: a language file with a 100 000-character line and binary bytes") {
    prepareStartedFolder();
    ProgramFixture p;
    p.create();
    std::string huge(100000, 'W');
    std::string binary = std::string("\x01\x02\xff\xfe\x00\x7f", 6) + "\x80\x81";
    std::string file = "[MainForm]\r\nServStart=" + huge + "\r\nServStop=" + binary + "\r\nLogSave=Save\r\n" +
                       "[Msg]\r\nmsg5=" + huge + "\r\nmsg6=" + binary + "\r\n";
    HostileLanguage lang(*p.form, file);
    tk::runHandler([&] { ApplyLanguageFile(programFolder() + "Langz\\hostile.lng", true); });
    CHECK(p.dialogs.count("error") == 0);
    CHECK(p.form->services->ServStart->text().size() <= 2047);
    CHECK(p.form->logPage->LogSave->text() == "Save");
    // Messages are cut to the profile reader's 2047 characters and shown.
    tk::runHandler([&] { p.form->services->ServStartClick(); });
    REQUIRE(p.dialogs.count("info") == 1);
    CHECK(p.dialogs.last("info").size() == 2047);
    tk::runHandler([&] { p.form->services->ServStopClick(); });
    CHECK(p.dialogs.count("info") == 2);
    // The program goes on: a selection still fills the panel.
    p.form->services->ServiceNames->setItemIndex(11);
    p.form->services->ServiceNamesClick();
    CHECK(p.form->services->InfoName->text() == "Spooler");
}

// The cases below also run with LC_ALL=en_US.UTF-8 (code page 1252) and, under C.UTF-8, from a
// program folder named with Cyrillic letters and a blank (tests/CMakeLists.txt).

TEST_CASE("fault: the shipped Russian files read right on any code page") {
    prepareStartedFolder();
    writeProgramFile("main.ini", "[Program]\r\nVersionInfo=1.0\r\nShowLangForm=N\r\nLangName=rus.lng\r\nDefaultLang=-1\r\n");
    removeProgramFolderTree("Baze\\Regz\\InitialAstState.reg");
    ProgramFixture p;
    p.dialogs.answers.push_back(tk::Answer::No);
    p.create();
    CHECK(p.dialogs.last("firstrun") ==
          "Программа запущена впервые. Сохранить исходное состояние служб и создать резервную копию реестра?");
    const std::string first = "Автоматическое обновление (Автоматически Updates)";
    CHECK(p.form->services->ServiceNames->item(0) == first);
    CHECK(p.form->state.ServiceNameCB.at(0) == first);
    CHECK(p.form->services->ServiceNameCBUni->item(0) == first);
    p.form->state.OptLangComboBox.setText("rus.lng");   // the first run was declined before it is set
    p.form->config->TweackedcfClick();
    CHECK(p.form->config->DescriptionMemo->text().rfind("Самая урезанная конфигурация", 0) == 0);
    const std::string summary = p.form->config->PreviewSummaryLabel->text();   // the preview's phrases from rus.lng
    CHECK((summary.rfind("Изменится ", 0) == 0 || summary.rfind("Ничего не изменится", 0) == 0));
    p.form->services->tweak->OptLangComboBoxEnter();
    const auto& files = p.form->state.OptLangComboBox.items();
    const auto rus = std::find(files.begin(), files.end(), "rus.lng");
    REQUIRE(rus != files.end());
    CHECK(p.form->services->tweak->OpLangRNComboBox->item(int(rus - files.begin())) == "Русский");
}

TEST_CASE("fault: a translator's files in UTF-8, declared or marked, whatever the code page") {
    prepareStartedFolder();
    ProgramFixture p;
    p.create();
    const std::string names = "Служба один\r\nСлужба два\r\n";
    // A mark speaks for its own file; a declaration also for the display-name file.
    for (const std::string head : {"\xEF\xBB\xBF[About]\r\n", "[About]\r\nCodePage=65001\r\n"}) {
        CAPTURE(head);
        const std::string mark = head[0] == '[' ? "" : "\xEF\xBB\xBF";
        writeProgramFile("Langz\\utf8.lng", head + "TranslateLangName=Мой язык\r\n[Msg]\r\nmsg5=Выберите службу\r\n" +
                                                "[MainForm]\r\nServStart=Пуск\r\n");
        writeProgramFile("ServicesRealNames-utf8.lng.dat", mark + names);
        p.form->state.OptLangComboBox.setText("utf8.lng");
        p.form->services->LoadDisplayNames("utf8.lng");
        ApplyLanguageFile(programFolder() + "Langz\\utf8.lng", true);
        CHECK(p.form->services->ServiceNames->item(1) == "Служба два");
        CHECK(p.form->services->ServStart->text() == "Пуск");
        p.form->state.serviceChosen = false;
        tk::runHandler([&] { p.form->services->ServStartClick(); });
        CHECK(p.dialogs.last("info") == "Выберите службу");
    }
    DeleteFileW(widePath(programFolder() + "Langz\\utf8.lng").c_str());
    DeleteFileW(widePath(programFolder() + "ServicesRealNames-utf8.lng.dat").c_str());
}

TEST_CASE("fault: snapshots, a saved log and the template keep every letter, in any folder and code page") {
    prepareStartedFolder();
    ProgramFixture p;
    p.create();
    MainForm& f = *p.form;
    CHECK(p.dialogs.count("error") == 0);
    CHECK(f.services->ServiceNames->count() == 91);
    f.state.ServiceNameCB.assign({"Служба \"Ё\""});   // a name ANSI 1252 lacks, in the comment line
    f.state.ServiceSysName.assign({"Spooler"});
    f.hidden->ReadDescriptionClick();
    f.hidden->RegReadButtonClick();
    tk::runHandler([&] { f.logPage->LogSaveClick(); });
    CHECK(p.dialogs.count("error") == 0);
    auto text = [](const std::string& relative) {
        DecodedText d = decodeWithByteOrderMark(readProgramFile(relative));
        return d.encoding == TextEncoding::Ansi ? ansiToUtf8(d.text) : d.text;
    };
    CHECK(text("Baze\\Regz\\CurrentAstState.reg").find(";0-Служба \"Ё\"\r\n") != std::string::npos);
    CHECK(text("Baze\\Regz\\InitialDescription.reg").find(";0-Служба \"Ё\"\r\n") != std::string::npos);
    const auto logs = listFiles(programFolder() + kLogsFolder, "Log of *.logz");
    REQUIRE(logs.size() == 1);
    const std::vector<std::string> lines = splitListLines(text("Baze\\Logz\\" + logs[0]));
    const auto& logged = f.logPage->LogBox->lines();
    CHECK(lines == std::vector<std::string>(logged.begin(), logged.end() - 1));
    f.backups->BackupSearchClick();
    CHECK(f.backups->BackupBox->count() >= 3);
    f.hidden->BuildListOfCompsClick();
    CHECK(text("ListOfComponents.ini").find("LogSave=Сохранить лог\r\n") != std::string::npos);
}
