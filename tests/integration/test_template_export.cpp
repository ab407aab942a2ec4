// The translation template and the message test.
#include <doctest.h>

#include "lang/translation.h"
#include "platform/clock.h"
#include "platform/text_codec.h"
#include "tests/integration/language_windows.h"

using namespace qlmr;
using namespace qlmr::test;

namespace {

constexpr const char* kTemplate = "ListOfComponents.ini";

std::string templateText() { return ansiToUtf8(readProgramFile(kTemplate)); }

bool hasLine(const std::string& text, const std::string& line) {
    return text.find("\r\n" + line + "\r\n") != std::string::npos || text.rfind(line + "\r\n", 0) == 0;
}

// The lines of one section, up to the next section.
std::string section(const std::string& text, const std::string& name) {
    const size_t start = text.find("[" + name + "]\r\n");
    if (start == std::string::npos) return {};
    const size_t end = text.find("\r\n[", start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end + 2 - start);
}

}  // namespace

TEST_CASE("template: every translatable control of every window, grouped by kind") {
    prepareLanguageFolder();
    ThreeWindows w;
    tk::runHandler([&] { w.main().hidden->BuildListOfCompsClick(); });
    REQUIRE(w.p.dialogs.count("error") == 0);
    const std::string text = templateText();
    CHECK(text.rfind("[MainForm]\r\nCreation Date=" + shortDateToday() + "\r\n", 0) == 0);
    const std::string buttons = section(text, "Buttons");
    const std::string hints = section(text, "HINTS");
    CHECK(hasLine(buttons, "ServStart=Запустить Службу"));
    CHECK(hasLine(hints, "ServStartHnt="));
    CHECK(hasLine(buttons, "CloselangFButton=Закрыть"));
    CHECK(hasLine(hints, "CloselangFButtonHnt="));
    CHECK(hasLine(buttons, "EnumProcTntbtn=Показать запущенные процессы"));
    CHECK(hasLine(buttons, "WebSite=Домашняя страница"));
    CHECK(hasLine(hints, "BackupSearchHnt=Найти резервные копии"));
    CHECK(hasLine(section(text, "Labels"), "StatAllLabel=Всего :"));
    CHECK(hasLine(section(text, "Sheets"), "SheetCurrent=SheetCurrent"));
    CHECK(hasLine(section(text, "CheckBoxies"), "ShowCheckBox=Больше не показывать"));
    CHECK(hasLine(section(text, "ComboBoxies"), "LangFormRNComboBox=Выберите язык интерфейса"));
    CHECK(hasLine(section(text, "GroupBoxies"), "SortTwBox=Сортировать"));
    CHECK(hasLine(section(text, "RadioButtons"), "RWipe=Затереть"));
    CHECK(hasLine(section(text, "MenuItems"), "N9=Закрыть"));
    // List boxes only with their tooltip; memos, Unicode controls and TweackStart2 not at all.
    CHECK(hasLine(hints, "LogBoxHnt=Лог действий выполненных программой"));
    CHECK(hasLine(hints, "BackupBoxHnt=Доступные резевные копии"));
    for (const char* absent : {"LogBox=", "BackupBox=", "DescriptionMemo", "WideTextMemo", "NameTntLabel",
                               "ServiceNameCBUni", "ServiceNames", "CurrentProcsTntlbx", "TweackStart2",
                               "OnlineServerTntcmb", "TopImage", "ServInfoPanel"})
        CHECK_MESSAGE(text.find("\n" + std::string(absent)) == std::string::npos, absent);
}

TEST_CASE("template: a second run leaves only its own entries") {
    prepareLanguageFolder();
    ThreeWindows w;
    writeProgramFile(kTemplate, "[Labels]\r\nGhostLabel=left over\r\n");
    tk::runHandler([&] { w.main().hidden->BuildListOfCompsClick(); });
    CHECK(templateText().find("GhostLabel") == std::string::npos);
    w.main().services->ServStart->setText("First caption");
    tk::runHandler([&] { w.main().hidden->BuildListOfCompsClick(); });
    w.main().services->ServStart->setText("Second caption");
    tk::runHandler([&] { w.main().hidden->BuildListOfCompsClick(); });
    const std::string text = templateText();
    CHECK(hasLine(section(text, "Buttons"), "ServStart=Second caption"));
    CHECK(text.find("First caption") == std::string::npos);
    CHECK(w.p.dialogs.count("error") == 0);
}

TEST_CASE("template: with a language applied it holds the translated texts") {
    prepareLanguageFolder();
    ThreeWindows w;
    ApplyLanguageFile(programFolder() + kLangFolder + "eng.lng", true);
    tk::runHandler([&] { w.main().hidden->BuildListOfCompsClick(); });
    const std::string text = templateText();
    CHECK(hasLine(section(text, "Buttons"), "ServStart=Start the service"));
    CHECK(hasLine(section(text, "HINTS"), "LogClearHnt=Clear the log window"));
    CHECK(hasLine(section(text, "Sheets"), "SheetCurrent=Processes"));
}

TEST_CASE("template: one that cannot be wiped stops the command before anything is written") {
    prepareLanguageFolder();
    ThreeWindows w;
    writeProgramFile(kTemplate, "[Labels]\r\nGhostLabel=left over\r\n");
    const std::string path = programFolder() + kTemplate;
    HANDLE held = CreateFileA(utf8ToAnsi(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    REQUIRE(held != INVALID_HANDLE_VALUE);
    tk::runHandler([&] { w.main().hidden->BuildListOfCompsClick(); });
    CloseHandle(held);
    CHECK(w.p.dialogs.count("error") == 1);
    CHECK(w.p.dialogs.last("error").find("Cannot open file \"" + path + "\".") == 0);
    CHECK(templateText() == "[Labels]\r\nGhostLabel=left over\r\n");
}

TEST_CASE("message test: msg13 of the Russian file, shown as it stands") {
    ProgramFixture p;
    tk::runHandler([&] { p.form->hidden->TestmseButtonClick(); });
    REQUIRE(p.dialogs.count("info") == 1);
    CHECK(p.dialogs.last("info") ==
          "Применить конфигурацию %s? Перед этим будет сохранено текущее состояние служб.");
}
