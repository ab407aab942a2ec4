// Choosing the language: the lists of language files, the main window's selectors, the
// chooser window and the language applied at start-up.
#include <doctest.h>

#include "lang/language_choice.h"
#include "lang/lang_messages.h"
#include "platform/profile.h"
#include "tests/integration/language_windows.h"

using namespace qlmr;
using namespace qlmr::test;

namespace {

std::string setting(const std::string& key) {
    return readProfileString(programFolder() + kSettingsFile, "Program", key, "missing");
}

int languagePosition(const MainForm& f, const std::string& file) {
    for (int i = 0; i < f.state.OptLangComboBox.count(); ++i)
        if (f.state.OptLangComboBox.at(i) == file) return i;
    return -1;
}

void pickInMainWindow(MainForm& f, int position) {
    f.services->tweak->OpLangRNComboBox->setItemIndex(position);
    tk::runHandler([&] { f.services->tweak->OpLangRNComboBoxChange(); });
}

// main.ini held open by another program, with no sharing, for the length of a test case.
struct LockedSettings {
    HANDLE file = CreateFileA(utf8ToAnsi(programFolder() + kSettingsFile).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ~LockedSettings() { CloseHandle(file); }
};

}  // namespace

TEST_CASE("language lists: one entry per file sorted by name, letter case ignored, framed by log lines") {
    prepareLanguageFolder();
    TemporaryFile third("Langz\\Deu-test.lng", "[About]\r\nTranslateLangName=Third\r\n");
    ProgramFixture p;
    p.form->services->tweak->OpLangRNComboBox->setItemIndex(-1);
    p.form->services->tweak->OptLangComboBoxEnter();
    REQUIRE(p.form->state.OptLangComboBox.count() == 3);
    REQUIRE(p.form->services->tweak->OpLangRNComboBox->count() == 3);
    CHECK(p.form->state.OptLangComboBox.at(0) == "Deu-test.lng");
    CHECK(p.form->state.OptLangComboBox.at(1) == "eng.lng");
    CHECK(p.form->state.OptLangComboBox.at(2) == "rus.lng");
    const int eng = languagePosition(*p.form, "eng.lng");
    const int rus = languagePosition(*p.form, "rus.lng");
    const int test = languagePosition(*p.form, "Deu-test.lng");
    CHECK(p.form->services->tweak->OpLangRNComboBox->item(eng) == "English");
    CHECK(p.form->services->tweak->OpLangRNComboBox->item(rus) == "Русский");
    CHECK(p.form->services->tweak->OpLangRNComboBox->item(test) == "Third");
    const auto log = logTexts(*p.form);
    REQUIRE(log.size() >= 3);
    CHECK(log[log.size() - 3] == "Начало поиска доступных языковых файлов");
    CHECK(log[log.size() - 2] == "Конец поиска доступных языковых файлов");
    CHECK(log[log.size() - 1] == "Найдено 3 доступных языковых файлов");

    SUBCASE("a rebuild replaces the entries and keeps the current file name") {
        p.form->state.OptLangComboBox.setText("rus.lng");
        p.form->services->tweak->OpLangRNComboBoxEnter();
        CHECK(p.form->state.OptLangComboBox.count() == 3);
        CHECK(p.form->services->tweak->OpLangRNComboBox->count() == 3);
        CHECK(p.form->state.OptLangComboBox.text() == "rus.lng");
        CHECK(logTexts(*p.form).back() == "Найдено 3 доступных языковых файлов");
    }
}

TEST_CASE("language lists: a file without a display name is listed as No data") {
    prepareLanguageFolder();
    TemporaryFile nameless("Langz\\nameless.lng", "[MainForm]\r\nServStart=Go\r\n");
    ProgramFixture p;
    p.form->services->tweak->OptLangComboBoxEnter();
    const int position = languagePosition(*p.form, "nameless.lng");
    REQUIRE(position >= 0);
    CHECK(p.form->services->tweak->OpLangRNComboBox->item(position) == "No data");
}

TEST_CASE("main window selector: English for the running program only, memos and names included") {
    prepareLanguageFolder();
    ThreeWindows w;
    MainForm& f = w.main();
    const std::string settingsBefore = readProgramFile(kSettingsFile);
    const int eng = languagePosition(f, "eng.lng");
    REQUIRE(eng >= 0);
    pickInMainWindow(f, eng);
    CHECK(w.p.dialogs.count("error") == 0);
    CHECK(f.state.OptLangComboBox.text() == "eng.lng");
    CHECK(f.services->ServStart->text() == "Start the service");
    CHECK(f.config->DescriptionMemo->text() == "Choose one of the available configurations");
    CHECK(f.SheetCurrent->text() == "Processes");
    CHECK(w.lang->CloselangFButton->text() == "Close");
    CHECK(w.about->MailButton->text() == "Send a mail");
    REQUIRE(f.services->ServiceNames->count() == 91);
    CHECK(f.services->ServiceNames->item(0) == "Automatic Updates");
    CHECK(f.services->ServiceNames->item(90) == "Windows Installer");
    CHECK(f.state.ServiceNameCB.at(11) == "Print Spooler");
    CHECK(f.services->ServiceNameCBUni->item(11) == "Диспетчер очереди печати (Print Spooler)");
    CHECK(f.message("msg12") == "Clear the log?");
    CHECK(readProgramFile(kSettingsFile) == settingsBefore);

    SUBCASE("back to Russian") {
        pickInMainWindow(f, languagePosition(f, "rus.lng"));
        CHECK(f.services->ServStart->text() == "Запустить Службу");
        CHECK(f.services->ServiceNames->item(11) == "Диспетчер очереди печати (Print Spooler)");
        CHECK(f.message("msg12") == "Очистить лог?");
    }
    SUBCASE("no position afterwards: no language, no names, messages by default") {
        pickInMainWindow(f, -1);
        CHECK(f.state.OptLangComboBox.text().empty());
        CHECK(w.p.dialogs.count("error") == 1);
        CHECK(w.p.dialogs.last("error").find("Cannot open file \"" + programFolder() +
                                             "ServicesRealNames-.dat\".") == 0);
        CHECK(f.services->ServiceNames->count() == 0);
        CHECK(f.state.ServiceNameCB.count() == 91);
        CHECK(f.services->ServStart->text() == "Start the service");
        CHECK(f.message("msg12") == kNoMessage);
    }
}

TEST_CASE("chooser: a pick is stored in main.ini, Закрыть translates without memos") {
    prepareLanguageFolder();
    ThreeWindows w;
    LangForm& chooser = *w.lang;
    chooser.FormShow();
    REQUIRE(chooser.LangFormComboBox->count() == chooser.LangFormRNComboBox->count());
    const int eng = positionOf(*chooser.LangFormComboBox, "eng.lng");
    REQUIRE(eng >= 0);
    CHECK(chooser.LangFormRNComboBox->item(eng) == "English");
    const size_t logLines = w.main().logPage->LogBox->count();
    chooser.FormShow();
    CHECK(size_t(w.main().logPage->LogBox->count()) == logLines);   // no log lines from the chooser
    CHECK(chooser.LangFormComboBox->count() == 2);

    chooser.LangFormRNComboBox->setItemIndex(eng);
    tk::runHandler([&] { chooser.LangFormRNComboBoxChange(); });
    CHECK(setting("DefaultLang") == std::to_string(eng));
    CHECK(setting("LangName") == "eng.lng");
    CHECK(chooser.LangFormComboBox->itemIndex() == eng);

    tk::runHandler([&] { chooser.CloselangFButtonClick(); });
    MainForm& f = w.main();
    CHECK(w.p.dialogs.count("error") == 0);
    CHECK(f.services->ServStart->text() == "Start the service");
    CHECK(chooser.ShowCheckBox->text() == "Do not show again");
    CHECK(w.about->WebSite->text() == "Home page");
    CHECK(f.config->DescriptionMemo->text() == "Выберите одну из доступных конфигураций");
    // The running program keeps its language otherwise.
    CHECK(f.state.OptLangComboBox.text() == "rus.lng");
    CHECK(f.services->ServiceNames->item(0) == "Автоматическое обновление (Автоматически Updates)");
    CHECK(f.message("msg12") == "Очистить лог?");
    CHECK_FALSE(chooser.visible());
}

TEST_CASE("chooser: typing instead of picking stores position -1 and an empty name") {
    prepareLanguageFolder();
    ThreeWindows w;
    w.lang->FormShow();
    w.lang->LangFormRNComboBox->setItemIndex(-1);
    tk::runHandler([&] { w.lang->LangFormRNComboBoxChange(); });
    CHECK(setting("DefaultLang") == "-1");
    CHECK(setting("LangName").empty());
    CHECK(w.lang->LangFormComboBox->itemIndex() == -1);
}

TEST_CASE("chooser: its caption, texts and shape") {
    prepareLanguageFolder();
    ThreeWindows w;
    LangForm& chooser = *w.lang;
    CHECK(chooser.caption() == "Quillmere (QLMR) by Tovenar studio1.0 Released on :08.12.2026");
    CHECK(chooser.LangFormRNComboBox->text() == "Выберите язык интерфейса");
    CHECK(chooser.CloselangFButton->text() == "Закрыть");
    CHECK(chooser.ShowCheckBox->text() == "Больше не показывать");
    CHECK(chooser.clientRect().w == 283);
    CHECK(chooser.clientRect().h == 169);
    CHECK(chooser.LangFormRNComboBox->bounds().w == 209);
    CHECK(chooser.CloselangFButton->bounds().w == 209);
    CHECK_FALSE(chooser.LangFormComboBox->visible());
    const LONG style = GetWindowLongA(static_cast<HWND>(chooser.handle()), GWL_STYLE);
    CHECK((style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0);
    // The check box sits at the bottom right, below the button.
    const tk::Rect box = chooser.ShowCheckBox->bounds();
    CHECK(box.x + box.w > 260);
    CHECK(box.y > chooser.CloselangFButton->bounds().y);
}

TEST_CASE("chooser: with no main.ini its caption reads No Data") {
    prepareLanguageFolder();
    const std::string ini = readProgramFile(kSettingsFile);
    DeleteFileA(utf8ToAnsi(programFolder() + kSettingsFile).c_str());
    LangForm chooser;
    writeProgramFile(kSettingsFile, ini);
    CHECK(chooser.caption() == "Quillmere (QLMR) by Tovenar studioNo Data Released on :No Data");
}

TEST_CASE("chooser: every click of the check box writes N") {
    prepareLanguageFolder();
    writeProgramFile(kSettingsFile, "[Program]\r\nShowLangForm=y\r\nLangName=rus.lng\r\n");
    LangForm chooser;
    chooser.ShowCheckBoxClick();
    CHECK(setting("ShowLangForm") == "N");
    chooser.ShowCheckBoxClick();
    CHECK(setting("ShowLangForm") == "N");
}

TEST_CASE("chooser: a main.ini that cannot be written stops at the first write") {
    prepareLanguageFolder();
    ThreeWindows w;
    w.lang->FormShow();
    w.lang->LangFormRNComboBox->setItemIndex(positionOf(*w.lang->LangFormComboBox, "eng.lng"));
    {
        LockedSettings locked;
        REQUIRE(locked.file != INVALID_HANDLE_VALUE);
        tk::runHandler([&] { w.lang->LangFormRNComboBoxChange(); });
        tk::runHandler([&] { w.lang->ShowCheckBoxClick(); });
    }
    CHECK(w.p.dialogs.count("error") == 2);
    CHECK(w.p.dialogs.last("error") == "Unable to write to " + programFolder() + "main.ini.");
    CHECK(setting("DefaultLang") == "-1");
    CHECK(setting("LangName") == "rus.lng");
    CHECK(setting("ShowLangForm") == "N");
}

TEST_CASE("the hidden command shows the chooser without waiting") {
    prepareLanguageFolder();
    ThreeWindows w;
    w.main().hidden->ShowLangfClick();
    CHECK(w.lang->visible());
    w.lang->hide();
}

TEST_CASE("start-up applies the language at position DefaultLang to the main window only") {
    prepareLanguageFolder();
    const std::vector<std::string> found = listFiles(programFolder() + kLangFolder, "*.lng");
    int eng = -1;
    for (size_t i = 0; i < found.size(); ++i)
        if (found[i] == "eng.lng") eng = int(i);
    REQUIRE(eng >= 0);
    writeProgramFile(kSettingsFile, "[Program]\r\nVersionInfo=1.0\r\nShowLangForm=N\r\nLangName=rus.lng\r\n"
                                    "DefaultLang=" + std::to_string(eng) + "\r\n");
    ThreeWindows w;
    MainForm& f = w.main();
    CHECK(f.services->ServStart->text() == "Start the service");
    CHECK(f.config->DescriptionMemo->text() == "Choose one of the available configurations");
    CHECK(f.services->tweak->OpLangRNComboBox->itemIndex() == eng);
    CHECK(f.state.OptLangComboBox.text() == "rus.lng");
    CHECK(f.services->ServiceNames->item(11) == "Диспетчер очереди печати (Print Spooler)");
    CHECK(w.lang->CloselangFButton->text() == "Закрыть");
    CHECK(w.about->WebSite->text() == "Домашняя страница");
    CHECK(w.p.dialogs.count("error") == 0);
}

TEST_CASE("start-up: a DefaultLang beyond the lists applies nothing and goes on") {
    prepareLanguageFolder();
    writeProgramFile(kSettingsFile, "[Program]\r\nVersionInfo=1.0\r\nShowLangForm=N\r\nLangName=eng.lng\r\n"
                                    "DefaultLang=7\r\n");
    ThreeWindows w;
    CHECK(w.p.dialogs.count("error") == 0);
    CHECK(w.main().services->ServStart->text() == "Запустить Службу");
    CHECK(w.main().services->tweak->OpLangRNComboBox->itemIndex() == -1);
    CHECK(w.main().state.OptLangComboBox.text() == "eng.lng");
    CHECK(w.main().message("msg12") == "Clear the log?");
}
