// The help requests as HtmlHelpA calls, and the about window.
#include <doctest.h>

#include <windows.h>

#include <cstdlib>

#include "about/about_form.h"
#include "about/help_system.h"
#include "platform/files.h"
#include "platform/html_help.h"
#include "tests/support/program_fixture.h"
#include "toolkit/toolkit_init.h"

using namespace qlmr;
using namespace qlmr::test;

namespace {

struct HelpCallRecord {
    void* owner;
    std::string file;
    unsigned command;
    std::string keyword;
    unsigned long number;
};

struct RecordingHelp : HtmlHelpEngine {
    RecordingHelp() { setHtmlHelpEngine(this); }
    ~RecordingHelp() override { setHtmlHelpEngine(nullptr); }
    std::vector<HelpCallRecord> calls;
    int releases = 0;
    void call(void* owner, const std::string& file, unsigned command, const std::string& keyword,
              unsigned long number) override {
        calls.push_back({owner, file, command, keyword, number});
    }
    void release() override { ++releases; }
};

// Sets the application's help file for one case and puts the program's back.
struct HelpFile {
    explicit HelpFile(const std::string& file) : saved(tk::Application::instance().helpFile) {
        tk::Application::instance().helpFile = file;
    }
    ~HelpFile() { tk::Application::instance().helpFile = saved; }
    std::string saved;
};

// main.ini for one case; the shipped one is put back afterwards.
struct Settings {
    explicit Settings(const std::string& text) : saved(readProgramFile("main.ini")) { writeProgramFile("main.ini", text); }
    ~Settings() { writeProgramFile("main.ini", saved); }
    std::string saved;
};

}  // namespace

TEST_CASE("help requests become HtmlHelpA commands on the resolved .chm file") {
    RecordingHelp help;
    HelpFile file("services.chm");
    const std::string chm = programFolder() + "services.chm";

    showHelpTopic("5.html");
    showHelpTopic("tweaked.HTML");
    showHelpTopic("about");
    showHelpTopic("history.htm");
    showHelpContext(42);
    showHelpKeyword("services: Диспетчер печати ");
    showHelpKeyword("plain");
    showHelpContents();
    REQUIRE(help.calls.size() == 8);
    CHECK(help.calls[0].command == 0);
    CHECK(help.calls[0].file == chm + "::/5.html");
    CHECK(help.calls[1].file == chm + "::/tweaked.HTML");
    CHECK(help.calls[2].file == chm + "::/about.htm");
    CHECK(help.calls[3].file == chm + "::/history.htm");
    CHECK(help.calls[4].command == 15);
    CHECK(help.calls[4].file == chm);
    CHECK(help.calls[4].number == 42);
    CHECK(help.calls[5].command == 2);
    CHECK(help.calls[5].file == chm);
    CHECK(help.calls[5].keyword == "Диспетчер печати");
    CHECK(help.calls[6].keyword == "plain");
    CHECK(help.calls[7].command == 1);
    CHECK(help.calls[7].file == chm);
    for (size_t i = 0; i < 8; ++i)
        if (help.calls[i].command != 2) CHECK(help.calls[i].keyword.empty());
}

TEST_CASE("a help file given with its folder is kept; files other than .chm are left alone") {
    RecordingHelp help;
    {
        HelpFile file("C:\\Help\\Other.CHM");
        showHelpContents();
    }
    REQUIRE(help.calls.size() == 1);
    CHECK(help.calls[0].file == "C:\\Help\\Other.CHM");
    for (const char* other : {"services.hlp", "services.chm.txt", "", "chm"}) {
        HelpFile file(other);
        showHelpTopic("about");
        showHelpContents();
        showHelpContext(1);
        showHelpKeyword("a:b");
    }
    CHECK(help.calls.size() == 1);
}

TEST_CASE("shutting help down closes every viewer window without file or owner and releases the engine") {
    RecordingHelp help;
    shutDownHelp();
    REQUIRE(help.calls.size() == 1);
    CHECK(help.calls[0].command == 18);
    CHECK(help.calls[0].file.empty());
    CHECK(help.calls[0].owner == nullptr);
    CHECK(help.releases == 1);
}

TEST_CASE("the version label reads the version and the release date from main.ini") {
    tk::initialise();
    SUBCASE("both given") {
        Settings settings("[Program]\r\nVersionInfo=2.0\r\nDateRelease=01.02.2008\r\n");
        AboutForm about;
        CHECK(about.VersionLabel->text() == "Version: 2.0 Released on :01.02.2008");
    }
    SUBCASE("both missing") {
        Settings settings("[Program]\r\nShowLangForm=N\r\n");
        AboutForm about;
        CHECK(about.VersionLabel->text() == "Version: No Data Released on :No Data");
    }
}

TEST_CASE("the about window is laid out as a fixed 335 x 477 dialog with its texts") {
    tk::initialise();
    AboutForm about;
    HWND h = static_cast<HWND>(about.handle());
    RECT client;
    GetClientRect(h, &client);
    CHECK(client.right == 335);
    CHECK(client.bottom == 477);
    const LONG style = GetWindowLongA(h, GWL_STYLE);
    CHECK((style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0);
    CHECK((style & WS_THICKFRAME) == 0);
    CHECK((style & WS_CAPTION) == WS_CAPTION);
    CHECK(about.caption() == "About");
    const std::string stars(62, '*');
    CHECK(about.AboutLabel->text() == "Quillmere\r\nКвиллмир\r\n" + stars +
                                          "\r\nПрограмма: Palewick Workshop\r\nИдея и поддержка: Tovenar studio\r\n" +
                                          stars);
    // The lines of asterisks are not clipped.
    HFONT font = HFONT(about.AboutLabel->font());
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32A(dc, stars.c_str(), int(stars.size()), &extent);
    LOGFONTA lf{};
    GetObjectA(font, sizeof lf, &lf);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    CHECK(extent.cx <= about.AboutLabel->bounds().w);
    CHECK(lf.lfWeight == FW_BOLD);
    CHECK(about.AboutLabel->textColor() == RGB(0, 0, 255));
    CHECK(about.AboutLabel->color() == GetSysColor(COLOR_INACTIVEBORDER));
    CHECK(about.MailButton->text() == "Отправить письмо ");
    CHECK(about.CloseAboutButton->text() == "Закрыть Форму");
    CHECK(about.AllAboutButton->text() == "Подробнее");
    CHECK(about.VersionsButton->text() == "История Версий");
    CHECK(about.WebSite->text() == "Домашняя страница");
    // Two columns of 145 pixels; the home-page button spans both.
    CHECK(about.MailButton->bounds().w == 145);
    CHECK(about.VersionsButton->bounds().x == about.CloseAboutButton->bounds().x);
    CHECK(about.WebSite->bounds().x == about.MailButton->bounds().x);
    CHECK(about.WebSite->bounds().x + about.WebSite->bounds().w ==
          about.CloseAboutButton->bounds().x + about.CloseAboutButton->bounds().w);
    CHECK(about.AboutImage->bounds().w == 315);
    CHECK(about.AboutImage->bounds().h == 234);
    CHECK(about.AboutImage->bounds().x * 2 + 315 == 335);
    CHECK(about.AboutImage->bitmap() != nullptr);
    // Centred on the screen.
    RECT frame;
    GetWindowRect(h, &frame);
    CHECK(std::abs((frame.left + frame.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2) <= 1);
}

TEST_CASE("either help button opens its page of about.chm and leaves services.chm with its full path") {
    RecordingHelp help;
    HelpFile file("services.chm");
    ProgramFixture p;
    AboutForm about;
    SUBCASE("about") {
        about.AllAboutButton->click();
        REQUIRE(help.calls.size() == 1);
        CHECK(help.calls[0].file == programFolder() + "about.chm::/about.htm");
    }
    SUBCASE("history") {
        about.VersionsButton->click();
        REQUIRE(help.calls.size() == 1);
        CHECK(help.calls[0].file == programFolder() + "about.chm::/history.htm");
    }
    CHECK(tk::Application::instance().helpFile == programFolder() + "services.chm");
    // A following service help opens the service page.
    showHelpTopic("5.html");
    CHECK(help.calls.back().file == programFolder() + "services.chm::/5.html");
}

TEST_CASE("the mail and home-page buttons hand a mailto link and a web address to the shell") {
    ProgramFixture p;
    AboutForm about;
    about.MailButton->click();
    about.WebSite->click();
    REQUIRE(p.shell.calls.size() == 2);
    CHECK(p.shell.calls[0].file == "mailto:palewick@mail.ru?subject=Quillmere");
    CHECK(p.shell.calls[0].verb.empty());
    CHECK(p.shell.calls[0].show == ShowCommand::Normal);
    CHECK(p.shell.calls[1].file == "http://palewick.ucoz.net/index/0-5");
    CHECK(p.shell.calls[1].verb == "open");
    about.show();
    about.CloseAboutButton->click();
    CHECK_FALSE(about.visible());
}

TEST_CASE("the system's viewer opens a page of the compiled help file and shut-down closes it") {
    HelpFile file("about.chm");
    showHelpTopic("history");
    tk::Application::instance().processMessages();
    CHECK(FindWindowA("HH Parent", nullptr) != nullptr);
    shutDownHelp();
    tk::Application::instance().processMessages();
    CHECK(FindWindowA("HH Parent", nullptr) == nullptr);
}
