// The toolkit's part of the keyboard: what a page does with a memo's Esc, Tab out of a memo, the
// declared tab order, one tab stop per radio group, the pages' keys, and a drop-down list that
// keeps its choice through a refill.
#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "toolkit/form.h"
#include "toolkit/keyboard.h"
#include "toolkit/widgets.h"

namespace {

HWND hwnd(const tk::Control* c) { return static_cast<HWND>(c->handle()); }

struct KeyForm : tk::Form {
    KeyForm() : tk::Form("TQlmrKeyForm", "KeyForm", {0, 0, 640, 480}, WS_OVERLAPPEDWINDOW) {
        pages = make<tk::PageControl>("Pages", this, tk::Rect{0, 0, 640, 480});
        first = make<tk::TabSheet>("First", pages, "First");
        second = make<tk::TabSheet>("Second", pages, "Second");
        pages->addSheet(first, true);
        pages->addSheet(second, true);
        right = make<tk::Button>("Right", first, "Right", tk::Rect{300, 8, 120, 26});
        memo = make<tk::Memo>("Memo", first, "text", tk::Rect{8, 8, 200, 100}, true);
        left = make<tk::Button>("Left", first, "Left", tk::Rect{8, 120, 120, 26});
        one = make<tk::RadioButton>("One", first, "One", tk::Rect{8, 160, 120, 20}, true);
        two = make<tk::RadioButton>("Two", first, "Two", tk::Rect{8, 184, 120, 20});
        list = make<tk::ComboBox>("List", first, "", tk::Rect{8, 220, 160, 24}, false);
        onSecond = make<tk::Button>("OnSecond", second, "Second", tk::Rect{8, 8, 120, 26});
    }
    tk::PageControl* pages;
    tk::TabSheet *first, *second;
    tk::Button *right, *left, *onSecond;
    tk::Memo* memo;
    tk::RadioButton *one, *two;
    tk::ComboBox* list;
};

void key(HWND to, WPARAM vk) {
    PostMessageW(to, WM_KEYDOWN, vk, 1);
    tk::Application::instance().processMessages();
}

}  // namespace

TEST_CASE("keyboard: a memo's Esc destroys nothing and Tab leaves it in the declared order") {
    KeyForm f;
    f.isMain = true;   // Esc closes every other window
    tk::setTabOrder({f.memo, f.left, f.right});
    f.show();
    tk::Application::instance().processMessages();
    SetFocus(hwnd(f.memo));
    key(hwnd(f.memo), VK_ESCAPE);
    PostMessageW(hwnd(f.first), WM_CLOSE, 0, 0);   // as the edit itself would ask
    tk::Application::instance().processMessages();
    REQUIRE(IsWindow(hwnd(f.first)));
    CHECK(IsWindowVisible(hwnd(f.memo)));
    CHECK(IsWindowVisible(hwnd(f.left)));
    key(hwnd(f.memo), VK_TAB);
    CHECK(GetFocus() == hwnd(f.left));
    CHECK(GetNextDlgTabItem(hwnd(&f), hwnd(f.left), FALSE) == hwnd(f.right));
}

TEST_CASE("keyboard: a radio group is one tab stop, the checked button's") {
    KeyForm f;
    f.show();
    tk::Application::instance().processMessages();
    auto stop = [](tk::Control* c) { return (GetWindowLongW(hwnd(c), GWL_STYLE) & WS_TABSTOP) != 0; };
    CHECK(stop(f.one));
    CHECK_FALSE(stop(f.two));
    f.one->setChecked(false);
    f.two->setChecked(true);
    CHECK_FALSE(stop(f.one));
    CHECK(stop(f.two));
}

TEST_CASE("keyboard: Ctrl+Tab and Ctrl+PgUp turn the pages and take the focus along") {
    KeyForm f;
    f.show();
    tk::Application::instance().processMessages();
    SetFocus(hwnd(f.right));
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    key(hwnd(f.right), VK_TAB);
    CHECK(f.pages->active() == f.second);
    CHECK(GetFocus() == hwnd(f.onSecond));
    key(hwnd(f.onSecond), VK_PRIOR);
    CHECK(f.pages->active() == f.first);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

TEST_CASE("keyboard: a drop-down list refilled keeps the item it showed") {
    KeyForm f;
    f.show();
    tk::Application::instance().processMessages();
    for (const char* item : {"Русский", "English"}) f.list->add(item);
    f.list->setItemIndex(1);
    f.list->clear();
    for (const char* item : {"Русский", "English"}) f.list->add(item);
    CHECK(f.list->text() == "English");
    CHECK(f.list->itemIndex() == 1);
}
