// Controls make their windows when they come on screen or are first asked for: what was set on
// them before must reach the window, and the windows must stack as the controls were made.
#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "toolkit/form.h"
#include "toolkit/widgets.h"

namespace {

HWND hwnd(const tk::Control* c) { return static_cast<HWND>(c->handle()); }

std::wstring windowText(HWND h) {
    wchar_t buf[256] = {};
    GetWindowTextW(h, buf, 256);
    return buf;
}

struct TwoPages : tk::Form {
    TwoPages() : tk::Form("TQlmrTwoPages", "TwoPages", {0, 0, 640, 480}, WS_OVERLAPPEDWINDOW) {
        pages = make<tk::PageControl>("Pages", this, tk::Rect{0, 0, 640, 480});
        first = make<tk::TabSheet>("First", pages, "First");
        second = make<tk::TabSheet>("Second", pages, "Second");
        pages->addSheet(first, true);
        pages->addSheet(second, true);
        shown = make<tk::Button>("Shown", first, "On the first page", tk::Rect{8, 8, 160, 26});
        button = make<tk::Button>("Later", second, "Later", tk::Rect{8, 8, 160, 26});
        check = make<tk::CheckBox>("Check", second, "Check", tk::Rect{8, 40, 160, 20});
        edit = make<tk::ComboBox>("Edit", second, "typed", tk::Rect{8, 70, 160, 24}, true);
        list = make<tk::ComboBox>("List", second, "", tk::Rect{8, 100, 160, 24}, false);
    }
    tk::PageControl* pages;
    tk::TabSheet *first, *second;
    tk::Button *shown, *button;
    tk::CheckBox* check;
    tk::ComboBox *edit, *list;
};

}  // namespace

TEST_CASE("a hidden page's controls keep what they are given until their windows are made") {
    TwoPages form;
    form.button->setText("Начать");
    form.button->setEnabled(false);
    form.check->setChecked(true);
    for (const char* item : {"один", "два", "три"}) {
        form.edit->add(item);
        form.list->add(item);
    }
    form.edit->setItemIndex(1);
    form.list->setItemIndex(2);
    form.edit->clear();   // the edit text survives a refill
    form.edit->add("четыре");
    form.show();
    tk::Application::instance().processMessages();

    CHECK(form.shown->hasHandle());
    CHECK_FALSE(form.button->hasHandle());
    CHECK_FALSE(form.edit->hasHandle());
    // Read back without windows.
    CHECK(form.button->text() == "Начать");
    CHECK_FALSE(form.button->enabled());
    CHECK(form.check->checked());
    CHECK(form.edit->text() == "два");
    CHECK(form.edit->count() == 1);
    CHECK(form.edit->itemIndex() == -1);
    CHECK(form.list->text() == "три");
    CHECK(form.list->item(0) == "один");

    form.pages->setActive(form.second);
    REQUIRE(form.button->hasHandle());
    REQUIRE(form.list->hasHandle());
    CHECK(windowText(hwnd(form.button)) == L"Начать");
    CHECK_FALSE(IsWindowEnabled(hwnd(form.button)));
    CHECK(SendMessageW(hwnd(form.check), BM_GETCHECK, 0, 0) == BST_CHECKED);
    CHECK(windowText(hwnd(form.edit)) == L"два");
    // An editable drop-down with nothing chosen gets its list when the list is opened.
    CHECK(SendMessageW(hwnd(form.edit), CB_GETCOUNT, 0, 0) == 0);
    CHECK(form.edit->count() == 1);
    SendMessageW(hwnd(form.edit), CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageW(hwnd(form.edit), CB_SHOWDROPDOWN, FALSE, 0);
    CHECK(SendMessageW(hwnd(form.edit), CB_GETCOUNT, 0, 0) == 1);
    CHECK(form.edit->item(0) == "четыре");
    CHECK(windowText(hwnd(form.edit)) == L"два");
    CHECK(SendMessageW(hwnd(form.list), CB_GETCURSEL, 0, 0) == 2);
    CHECK(form.list->text() == "три");
    // Other processes learn a window's component name by asking the form.
    const UINT ask = RegisterWindowMessageW(L"QlmrComponentName");
    const ATOM name = ATOM(SendMessageW(hwnd(&form), ask, WPARAM(hwnd(form.check)), 0));
    REQUIRE(name != 0);
    wchar_t told[64] = {};
    GlobalGetAtomNameW(name, told, 64);
    GlobalDeleteAtom(name);
    CHECK(std::wstring(told) == L"Check");
    CHECK(SendMessageW(hwnd(&form), ask, WPARAM(GetDesktopWindow()), 0) == 0);
}

TEST_CASE("a choice past the end of a waiting drop-down empties it, as the window would") {
    TwoPages form;
    form.edit->add("один");
    form.edit->setItemIndex(0);
    form.edit->setItemIndex(5);
    CHECK(form.edit->itemIndex() == -1);
    CHECK(form.edit->text().empty());
    form.edit->handle();
    CHECK(SendMessageW(hwnd(form.edit), CB_GETCURSEL, 0, 0) == CB_ERR);
    CHECK(windowText(hwnd(form.edit)).empty());
}

TEST_CASE("windows made out of order stack in the order their controls were made") {
    TwoPages form;
    // The third control's window first (asked for by its handle), then the page comes on screen.
    HWND third = hwnd(form.edit);
    form.show();
    form.pages->setActive(form.second);
    HWND firstMade = hwnd(form.button), second = hwnd(form.check), fourth = hwnd(form.list);
    CHECK(GetWindow(firstMade, GW_HWNDNEXT) == second);
    CHECK(GetWindow(second, GW_HWNDNEXT) == third);
    CHECK(GetWindow(third, GW_HWNDNEXT) == fourth);
}

TEST_CASE("a window that starts maximized restores to the size it was made with") {
    TwoPages form;
    RECT before;
    GetWindowRect(hwnd(&form), &before);
    form.showMaximized();
    tk::Application::instance().processMessages();
    CHECK(IsZoomed(hwnd(&form)));
    // It stands where any maximized window does.
    TwoPages plain;
    ShowWindow(hwnd(&plain), SW_SHOWMAXIMIZED);
    RECT ours, theirs;
    GetWindowRect(hwnd(&form), &ours);
    GetWindowRect(hwnd(&plain), &theirs);
    CHECK(ours.left == theirs.left);
    CHECK(ours.top == theirs.top);
    CHECK(ours.right == theirs.right);
    CHECK(ours.bottom == theirs.bottom);
    // Its controls were laid out for the maximized size before they were made.
    RECT client;
    GetClientRect(hwnd(&form), &client);
    CHECK(client.right > 640);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(hwnd(&form), &placement);
    CHECK(placement.rcNormalPosition.right - placement.rcNormalPosition.left == before.right - before.left);
    CHECK(placement.rcNormalPosition.bottom - placement.rcNormalPosition.top == before.bottom - before.top);
    ShowWindow(hwnd(&form), SW_RESTORE);
    RECT restored;
    GetWindowRect(hwnd(&form), &restored);
    CHECK(restored.right - restored.left == before.right - before.left);
}

TEST_CASE("texts and enabled states given during a pause reach the windows once it ends") {
    TwoPages form;
    form.show();
    HWND button = hwnd(form.shown);
    {
        tk::RedrawPause pause(form.first);
        form.shown->setText("Первый");
        form.shown->setEnabled(false);
        form.shown->setText("Второй");
        // Read back from the control while its window waits.
        CHECK(form.shown->text() == "Второй");
        CHECK_FALSE(form.shown->enabled());
        CHECK(windowText(button) == L"On the first page");
        CHECK(IsWindowEnabled(button));
    }
    CHECK(windowText(button) == L"Второй");
    CHECK_FALSE(IsWindowEnabled(button));
    CHECK(form.shown->text() == "Второй");
    // Outside a pause a text goes straight to the window.
    form.shown->setText("Третий");
    CHECK(windowText(button) == L"Третий");
}

TEST_CASE("tab captions given before the tab control exists are its tabs once it is shown") {
    TwoPages form;
    form.second->setText("Вторая");
    CHECK_FALSE(form.pages->hasHandle());
    form.show();
    REQUIRE(form.pages->hasHandle());
    HWND tabs = hwnd(form.pages);
    REQUIRE(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0) == 2);
    wchar_t caption[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    item.cchTextMax = 64;
    SendMessageW(tabs, TCM_GETITEMW, 1, LPARAM(&item));
    CHECK(std::wstring(caption) == L"Вторая");
    CHECK(SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == 0);
    // The first sheet fills the tab control's display area.
    RECT sheet;
    GetWindowRect(hwnd(form.first), &sheet);
    CHECK(sheet.right - sheet.left > 600);
}

TEST_CASE("texts given together on a shown window reach every window when the batch ends") {
    TwoPages form;
    form.show();
    HWND button = hwnd(form.shown);
    {
        tk::RedrawPause together(&form, false);
        form.shown->setText("Together");
        CHECK(windowText(button) == L"On the first page");
    }
    CHECK(windowText(button) == L"Together");
    CHECK(form.shown->text() == "Together");
}
