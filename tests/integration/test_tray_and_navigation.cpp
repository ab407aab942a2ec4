// The tray icon and its menu, the title-bar commands, focus entry into the pages, the services
// console and the colour and font of the three lists.
#include <doctest.h>

#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

#include "platform/choosers.h"
#include "tests/support/program_fixture.h"
#include "toolkit/form.h"
#include "toolkit/tray.h"

using namespace qlmr;
using namespace qlmr::test;

namespace {

constexpr UINT kHideToTray = 0x0130, kRollUp = 0x0110, kStayOnTop = 0x0120;

HWND hwnd(const tk::Control& c) { return static_cast<HWND>(c.handle()); }

// Lets posted messages (focus moves, the show handler) run.
void settle() { tk::Application::instance().processMessages(); }

struct ScriptedChoosers : Choosers {
    ScriptedChoosers() { setChoosers(this); }
    ~ScriptedChoosers() override { setChoosers(nullptr); }
    bool confirm = true;
    unsigned long color = 0x00336699;
    FontChoice font;
    unsigned long offeredColor = 0;
    FontChoice offeredFont;
    bool chooseColor(void*, unsigned long& c) override {
        offeredColor = c;
        if (confirm) c = color;
        return confirm;
    }
    bool chooseFont(void*, FontChoice& f) override {
        offeredFont = f;
        if (confirm) f = font;
        return confirm;
    }
};

std::vector<tk::Control*> lists(MainForm& f) { return {f.services->ServiceNames, f.logPage->LogBox, f.backups->BackupBox}; }

const char* kTrayFailure = "Не удалось поместить значок программы в область уведомлений. Окно остается на экране.";

// A shell that takes no icon, for as long as it lives.
struct RefusingShell {
    RefusingShell() { tk::TrayIcon::setNotifier([](unsigned long, void*) { return false; }); }
    ~RefusingShell() { tk::TrayIcon::setNotifier(nullptr); }
};

NOTIFYICONDATAW iconOf(MainForm& f) {
    NOTIFYICONDATAW d{};
    d.cbSize = NOTIFYICONDATAW_V2_SIZE;
    d.hWnd = hwnd(f);
    d.uID = 1;
    return d;
}

// Asks the real notification area: only an icon it holds can be modified.
bool inTray(MainForm& f) {
    NOTIFYICONDATAW d = iconOf(f);
    return Shell_NotifyIconW(NIM_MODIFY, &d);
}

void broadcastTaskbarCreated() {
    DWORD_PTR ignored;
    SendMessageTimeoutW(HWND_BROADCAST, tk::TrayIcon::taskbarCreatedMessage(), 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
    settle();
}

}  // namespace

TEST_CASE("hide to tray shows the icon and hides the window; N8 brings it back and removes the icon") {
    ProgramFixture p;
    MainForm& f = *p.form;
    f.show();
    CHECK_FALSE(f.tray->RxTrayIconMain->active());
    f.mxCaptionBarButtonsButtons2Click();
    CHECK(f.tray->RxTrayIconMain->active());
    CHECK_FALSE(f.visible());
    // Hiding again keeps the one icon.
    f.mxCaptionBarButtonsButtons2Click();
    CHECK(f.tray->RxTrayIconMain->active());
    f.tray->N8Click();
    CHECK(f.visible());
    CHECK_FALSE(f.tray->RxTrayIconMain->active());
}

TEST_CASE("an icon the shell will not take keeps the window on screen and says why") {
    ProgramFixture p;
    MainForm& f = *p.form;
    f.show();
    {
        RefusingShell refusing;
        tk::runHandler([&] { f.mxCaptionBarButtonsButtons2Click(); });
    }
    CHECK(f.visible());
    CHECK_FALSE(f.tray->RxTrayIconMain->active());
    CHECK_FALSE(inTray(f));
    REQUIRE(p.dialogs.count("error") == 1);
    CHECK(p.dialogs.last("error") == kTrayFailure);
    // A shell that takes it again hides as before.
    f.mxCaptionBarButtonsButtons2Click();
    CHECK_FALSE(f.visible());
    CHECK(inTray(f));
    f.tray->N8Click();
}

TEST_CASE("the shell's TaskbarCreated broadcast puts the icon of a hidden window back") {
    ProgramFixture p;
    MainForm& f = *p.form;
    f.show();
    f.mxCaptionBarButtonsButtons2Click();
    REQUIRE(inTray(f));
    // The notification area starts empty again, as after Explorer ended.
    NOTIFYICONDATAW d = iconOf(f);
    Shell_NotifyIconW(NIM_DELETE, &d);
    REQUIRE_FALSE(inTray(f));

    SUBCASE("the icon comes back and the window stays hidden") {
        broadcastTaskbarCreated();
        CHECK(inTray(f));
        CHECK(f.tray->RxTrayIconMain->active());
        CHECK_FALSE(f.visible());
        CHECK(p.dialogs.shown.empty());
    }
    SUBCASE("an icon the new shell will not take brings the window back instead") {
        {
            RefusingShell refusing;
            broadcastTaskbarCreated();
        }
        CHECK(f.visible());
        CHECK_FALSE(f.tray->RxTrayIconMain->active());
        CHECK(p.dialogs.last("error") == kTrayFailure);
    }
    f.tray->N8Click();
}

TEST_CASE("the tray's page items show the window on their page and keep the icon") {
    ProgramFixture p;
    MainForm& f = *p.form;
    f.show();
    f.mxCaptionBarButtonsButtons2Click();
    struct Item {
        void (Tray::*click)();
        tk::TabSheet* sheet;
    };
    for (Item item : {Item{&Tray::N12Click, f.SheetLog}, Item{&Tray::N13Click, f.SheetConfig},
                      Item{&Tray::N14Click, f.SheetBackup}, Item{&Tray::N11Click, f.SheetService}}) {
        f.hide();
        ((*f.tray).*item.click)();
        CHECK(f.visible());
        CHECK(f.MainPageControl->active() == item.sheet);
        CHECK(f.tray->RxTrayIconMain->active());
    }
    f.tray->N8Click();
    CHECK_FALSE(f.tray->RxTrayIconMain->active());
}

TEST_CASE("the title-bar commands are items of the system menu and reach their handlers") {
    ProgramFixture p;
    MainForm& f = *p.form;
    f.show();
    HMENU menu = GetSystemMenu(hwnd(f), FALSE);
    for (UINT id : {kRollUp, kStayOnTop, kHideToTray}) CHECK(GetMenuState(menu, id, MF_BYCOMMAND) != UINT(-1));

    SendMessageA(hwnd(f), WM_SYSCOMMAND, kStayOnTop, 0);
    CHECK((GetWindowLongA(hwnd(f), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    CHECK((GetMenuState(menu, kStayOnTop, MF_BYCOMMAND) & MF_CHECKED) != 0);
    SendMessageA(hwnd(f), WM_SYSCOMMAND, kStayOnTop, 0);
    CHECK((GetWindowLongA(hwnd(f), GWL_EXSTYLE) & WS_EX_TOPMOST) == 0);

    SendMessageA(hwnd(f), WM_SYSCOMMAND, kHideToTray, 0);
    CHECK(f.tray->RxTrayIconMain->active());
    CHECK_FALSE(f.visible());
    f.tray->N8Click();
}

TEST_CASE("roll-up shrinks the window to its title bar and the second press restores its height") {
    ProgramFixture p;
    MainForm& f = *p.form;
    ShowWindow(hwnd(f), SW_SHOWNORMAL);
    RECT before;
    GetWindowRect(hwnd(f), &before);
    f.rollUpClick();
    RECT rolled;
    GetWindowRect(hwnd(f), &rolled);
    CHECK(rolled.bottom - rolled.top == GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSIZEFRAME));
    CHECK(rolled.right - rolled.left == before.right - before.left);
    CHECK(rolled.top == before.top);
    f.rollUpClick();
    RECT after;
    GetWindowRect(hwnd(f), &after);
    CHECK(after.bottom - after.top == before.bottom - before.top);
}

TEST_CASE("the focus entering the page control from outside refreshes once per entry") {
    ProgramFixture p;
    MainForm& f = *p.form;
    int entries = 0;
    f.MainPageControl->onEnter = [&] { ++entries; };
    f.show();
    f.MainPageControl->setActive(f.SheetBackup);
    settle();
    entries = 0;
    SetFocus(hwnd(f));   // the banner has no window of its own: the form itself
    settle();
    f.backups->BackupBox->setFocus();
    settle();
    CHECK(entries == 1);
    f.backups->BackupSearch->setFocus();   // a move inside the pages is no entry
    settle();
    CHECK(entries == 1);
    SetFocus(hwnd(f));   // the banner has no window of its own: the form itself
    settle();
    f.MainPageControl->setFocus();
    settle();
    CHECK(entries == 2);
}

TEST_CASE("the services console opens through the shell with the verb Open") {
    ProgramFixture p;
    p.form->services->tweak->ServiceapletstartButton->click();
    REQUIRE(p.shell.calls.size() == 1);
    CHECK(p.shell.calls[0].file == "services.msc");
    CHECK(p.shell.calls[0].verb == "Open");
    CHECK(p.shell.calls[0].parameters.empty());
    CHECK(p.shell.calls[0].folder.empty());
    CHECK(p.shell.calls[0].show == ShowCommand::Show);
    CHECK(p.dialogs.shown.empty());
}

TEST_CASE("a confirmed colour goes to all three lists; a cancelled one changes nothing") {
    ScriptedChoosers choose;
    ProgramFixture p;
    MainForm& f = *p.form;
    CHECK(f.services->ServiceNames->color() == 0xC0DCC0);
    choose.confirm = false;
    f.services->tweak->OptCColorButtonClick();
    for (tk::Control* list : lists(f)) CHECK(list->color() != choose.color);
    CHECK(f.services->ServiceNames->color() == 0xC0DCC0);
    choose.confirm = true;
    f.services->tweak->OptCColorButtonClick();
    for (tk::Control* list : lists(f)) CHECK(list->color() == choose.color);
    // The dialog remembers the last choice.
    choose.color = 0x00112233;
    f.services->tweak->OptCColorButtonClick();
    CHECK(choose.offeredColor == 0x00336699);
}

TEST_CASE("a confirmed font goes to all three lists with its colour; the dialog starts at MS Sans Serif") {
    ScriptedChoosers choose;
    ProgramFixture p;
    MainForm& f = *p.form;
    choose.font.face = "Tahoma";
    choose.font.height = 15;
    choose.font.weight = 700;
    choose.font.color = 0x000000C0;
    HFONT before = HFONT(SendMessageA(hwnd(*f.logPage->LogBox), WM_GETFONT, 0, 0));
    choose.confirm = false;
    f.services->tweak->OpCFontButtonClick();
    CHECK(HFONT(SendMessageA(hwnd(*f.logPage->LogBox), WM_GETFONT, 0, 0)) == before);
    CHECK(choose.offeredFont.face == "MS Sans Serif");
    CHECK(choose.offeredFont.height == 11);
    CHECK(choose.offeredFont.color == GetSysColor(COLOR_WINDOWTEXT));
    choose.confirm = true;
    f.services->tweak->OpCFontButtonClick();
    for (tk::Control* list : lists(f)) {
        HFONT font = HFONT(SendMessageA(hwnd(*list), WM_GETFONT, 0, 0));
        LOGFONTA lf{};
        REQUIRE(GetObjectA(font, sizeof lf, &lf) == sizeof lf);
        CHECK(std::string(lf.lfFaceName) == "Tahoma");
        CHECK(std::abs(lf.lfHeight) == 15);
        CHECK(lf.lfWeight == 700);
        CHECK(list->textColor() == 0x000000C0);
    }
    f.services->tweak->OpCFontButtonClick();
    CHECK(choose.offeredFont.face == "Tahoma");
}

TEST_CASE("the arrow keys keep the front page; other keys change nothing") {
    ProgramFixture p;
    MainForm& f = *p.form;
    f.MainPageControl->setActive(f.SheetLog);
    HWND tabs = hwnd(*f.MainPageControl);
    const LRESULT front = SendMessageA(tabs, TCM_GETCURSEL, 0, 0);
    const LRESULT other = front == 0 ? 1 : 0;
    // Knock the front page's tab and window askew, out of the program's sight: an arrow key must
    // bring that page to the front again, any other key must leave things as they are.
    for (int key : {VK_LEFT, VK_RIGHT, VK_UP, VK_TAB, int('A')}) {
        CAPTURE(key);
        SendMessageA(tabs, TCM_SETCURSEL, WPARAM(other), 0);
        ShowWindow(hwnd(*f.SheetLog), SW_HIDE);
        f.FormKeyDown(key);
        const bool arrow = key == VK_LEFT || key == VK_RIGHT;
        CHECK(f.MainPageControl->active() == f.SheetLog);
        CHECK(SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == (arrow ? front : other));
        CHECK(((GetWindowLongA(hwnd(*f.SheetLog), GWL_STYLE) & WS_VISIBLE) != 0) == arrow);
    }
}

TEST_CASE("the banner shows the left part of the top picture as wide as the window") {
    ProgramFixture p;
    MainForm& f = *p.form;
    auto bannerWidth = [&] {
        HBITMAP banner = HBITMAP(f.TopImage->bitmap());
        BITMAP info{};
        if (!banner || GetObjectA(banner, sizeof info, &info) != sizeof info) return -1;
        CHECK(info.bmHeight == 65);
        CHECK(info.bmBitsPixel == 24);
        return int(info.bmWidth);
    };
    CHECK(bannerWidth() == f.clientRect().w);
    SetWindowPos(hwnd(f), nullptr, 0, 0, 640, 480, SWP_NOZORDER | SWP_NOMOVE);
    CHECK(bannerWidth() == f.clientRect().w);
    CHECK(f.TopImage->bounds().w == f.clientRect().w);
    SetWindowPos(hwnd(f), nullptr, 0, 0, 1900, 480, SWP_NOZORDER | SWP_NOMOVE);
    CHECK(bannerWidth() == std::min(f.clientRect().w, 1600));
}
