// The translation pass over the windows of the test process.
#include <doctest.h>

#include "lang/translation.h"
#include "tests/integration/language_windows.h"

using namespace qlmr;
using namespace qlmr::test;

namespace {

// Applies a language file of the test's own, kept outside Langz\ so no list ever finds it.
void applyText(const std::string& bytes, bool withMemos = true) {
    TemporaryFile file("pass-test.lng", bytes);
    ApplyLanguageFile(file.path(), withMemos);
}

}  // namespace

TEST_CASE("pass: section and key names match in any letter case") {
    ProgramFixture p;
    applyText("[mainform]\r\nservstart=Go\r\nservstartHnt=Starts it\r\n");
    CHECK(p.form->services->ServStart->text() == "Go");
    CHECK(p.form->services->ServStart->hint() == "Starts it");
    CHECK(p.form->services->ServStop->text() == "Остановить Службу");
}

TEST_CASE("pass: the name key gates both texts; a missing Hnt key gives No Comments") {
    ProgramFixture p;
    SUBCASE("Hnt key alone changes nothing") {
        applyText("[MainForm]\r\nServStartHnt=Starts it\r\nBackupSearchHnt=Finds them\r\n");
        CHECK(p.form->services->ServStart->text() == "Запустить Службу");
        CHECK(p.form->services->ServStart->hint().empty());
        CHECK(p.form->backups->BackupSearch->hint() == "Найти резервные копии");
    }
    SUBCASE("name key alone sets the text and the tooltip No Comments") {
        applyText("[MainForm]\r\nServStart=Go\r\nBackupSearch=Search\r\n");
        CHECK(p.form->services->ServStart->text() == "Go");
        CHECK(p.form->services->ServStart->hint() == "No Comments");
        CHECK(p.form->backups->BackupSearch->hint() == "No Comments");
    }
    SUBCASE("the value No Comments is never given to a control") {
        applyText("[MainForm]\r\nServStart=No Comments\r\nServStartHnt=Starts it\r\n");
        CHECK(p.form->services->ServStart->text() == "Запустить Службу");
        CHECK(p.form->services->ServStart->hint().empty());
    }
}

TEST_CASE("pass: a list box's tooltip changes only when its bare name is present too") {
    ProgramFixture p;
    p.form->logLine("a line that stays");
    const int lines = p.form->logPage->LogBox->count();
    applyText("[MainForm]\r\nLogBoxHnt=The log\r\n");
    CHECK(p.form->logPage->LogBox->hint() == "Лог действий выполненных программой");
    applyText("[MainForm]\r\nLogBox=ignored value\r\nLogBoxHnt=The log\r\n");
    CHECK(p.form->logPage->LogBox->hint() == "The log");
    CHECK(p.form->logPage->LogBox->count() == lines);
    CHECK(p.form->logPage->LogBox->line(lines - 1).find("a line that stays") != std::string::npos);
}

TEST_CASE("pass: memos only in the variant with memos, and then their whole text") {
    ProgramFixture p;
    p.form->logPage->WideTextMemo->setText("first line\r\nsecond line");
    const std::string file = "[MainForm]\r\nDescriptionMemo=One line\r\nWideTextMemo=Another line\r\n";
    applyText(file, false);
    CHECK(p.form->config->DescriptionMemo->text() == "Выберите одну из доступных конфигураций");
    CHECK(p.form->logPage->WideTextMemo->text() == "first line\r\nsecond line");
    applyText(file, true);
    CHECK(p.form->config->DescriptionMemo->text() == "One line");
    CHECK(p.form->logPage->WideTextMemo->text() == "Another line");
}

TEST_CASE("pass: Unicode controls keep their texts, the Unicode buttons are translated") {
    ProgramFixture p;
    applyText("[MainForm]\r\nNameTntLabel=Translated\r\nNameTntLabelHnt=Tip\r\nServiceNameCBUni=Search\r\n"
              "OnlineServerTntcmb=Server\r\nEnumProcTntbtn=Show processes\r\n");
    CHECK(p.form->processes->NameTntLabel->text() == "NameTntLabel");
    CHECK(p.form->processes->NameTntLabel->hint().empty());
    CHECK(p.form->services->ServiceNameCBUni->text() == "Find/Найти");
    CHECK(p.form->processes->OnlineServerTntcmb->text() == "Choose Server/ Выберите сервер");
    CHECK(p.form->processes->EnumProcTntbtn->text() == "Show processes");
}

TEST_CASE("pass: tab captions, menu items, group boxes, radio buttons, check boxes and labels") {
    ProgramFixture p;
    applyText("[MainForm]\r\nSheetCurrent=Processes\r\nN9=Close\r\nN9Hnt=Ends it\r\nSortTwBox=Show\r\n"
              "RWipe=Wipe\r\nServCheckUncheck=Check all\r\nStatAllLabel=Total :\r\n");
    CHECK(p.form->SheetCurrent->text() == "Processes");
    CHECK(p.form->tray->N9->caption() == "Close");
    CHECK(p.form->tray->N9->hint() == "Ends it");
    CHECK(p.form->services->tweak->SortTwBox->text() == "Show");
    CHECK(p.form->backups->RWipe->text() == "Wipe");
    CHECK(p.form->backups->RWipe->checked());
    CHECK(p.form->services->ServCheckUncheck->text() == "Check all");
    CHECK(p.form->services->StatAllLabel->text() == "Total :");
}

TEST_CASE("pass: a combo box takes the edit text only, its items and position stay") {
    ProgramFixture p;
    tk::ComboBox& box = *p.form->services->tweak->OpLangRNComboBox;
    box.add("Русский");
    box.add("English");
    box.setItemIndex(1);
    applyText("[MainForm]\r\nOpLangRNComboBox=English\r\n");
    CHECK(box.count() == 2);
    CHECK(box.item(0) == "Русский");
    CHECK(box.itemIndex() == 1);
    CHECK(box.text() == "English");
}

TEST_CASE("pass: a missing file or a file without MainForm changes nothing") {
    ProgramFixture p;
    ApplyLanguageFile(programFolder() + "no such file.lng", true);
    ApplyLanguageFile(programFolder() + kLangFolder, true);   // the folder itself, as with an empty name
    applyText("[Msg]\r\nServStart=Go\r\n[About]\r\nTranslateLangName=Test\r\n");
    CHECK(p.form->services->ServStart->text() == "Запустить Службу");
    CHECK(p.form->config->DescriptionMemo->text() == "Выберите одну из доступных конфигураций");
}

TEST_CASE("pass: the state holders of the hidden page are out of a file's reach") {
    ProgramFixture p;
    applyText("[MainForm]\r\nSortKind=Active\r\nInitialEdit=Yes\r\nConfigKind=tweaked.html\r\n"
              "ConfigRegFileName=x.reg\r\nServiceNumber=5.html\r\nOptLangComboBox=eng.lng\r\n");
    CHECK(p.form->state.SortKind == ListFilter::All);
    CHECK_FALSE(p.form->state.InitialEdit);
    CHECK(p.form->state.ConfigKind == "ConfigKind");
    CHECK(p.form->state.ConfigRegFileName == "ConfigRegFileName");
    CHECK(p.form->state.ServiceNumber.empty());
    CHECK(p.form->state.OptLangComboBox.text().empty());
}

TEST_CASE("pass: every open window is reached, controls found by their name alone") {
    prepareLanguageFolder();
    ThreeWindows w;
    applyText("[MainForm]\r\nCloselangFButton=Close\r\nShowCheckBox=Do not show again\r\nWebSite=Home page\r\n"
              "ServStart=Go\r\n");
    CHECK(w.lang->CloselangFButton->text() == "Close");
    CHECK(w.lang->CloselangFButton->hint() == "No Comments");
    CHECK(w.lang->ShowCheckBox->text() == "Do not show again");
    CHECK(w.about->WebSite->text() == "Home page");
    CHECK(w.main().services->ServStart->text() == "Go");
    // Window captions are not translated.
    CHECK(w.main().caption() == "Quillmere (QLMR) by Palewick Workshop- ver. 1.0");
}

TEST_CASE("pass: a value in the file's code page reaches the control as the same text") {
    ProgramFixture p;
    applyText("[MainForm]\r\nServStart=\xC7\xE0\xEF\xF3\xF1\xEA\r\nServStartHnt=\xCF\xF3\xF1\xEA\r\n");
    CHECK(p.form->services->ServStart->text() == "Запуск");
    CHECK(p.form->services->ServStart->hint() == "Пуск");
}
