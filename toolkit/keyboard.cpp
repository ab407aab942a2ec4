#include "toolkit/keyboard.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "toolkit/form.h"
#include "toolkit/menu.h"
#include "toolkit/pages.h"
#include "toolkit/win.h"

namespace tk {

void setTabOrder(std::initializer_list<Control*> order) {
    std::vector<int> places;
    for (Control* c : order) places.push_back(c->tabKey());
    std::sort(places.begin(), places.end());
    size_t i = 0;
    for (Control* c : order) c->setTabKey(places[i++]);
    for (Control* c : order) c->placeInTabOrder();
}

namespace detail {
namespace {

HWND topLevelOf(HWND h) {
    while (h && (GetWindowLongW(h, GWL_STYLE) & WS_CHILD)) h = GetParent(h);
    return h;
}

bool hasClass(HWND h, const wchar_t* cls) {
    wchar_t name[32] = {};
    return h && GetClassNameW(h, name, 32) && lstrcmpiW(name, cls) == 0;
}

bool isMemo(HWND h) { return hasClass(h, L"EDIT") && (GetWindowLongW(h, GWL_STYLE) & ES_MULTILINE); }

// The focus may be in a combo box's own edit.
bool comboDropped(HWND focus) {
    for (HWND h : {focus, GetParent(focus)})
        if (hasClass(h, L"COMBOBOX") && SendMessageW(h, CB_GETDROPPEDSTATE, 0, 0)) return true;
    return false;
}

PageControl* pagesOf(const Form& form) {
    for (auto& c : form.components())
        if (auto* pages = dynamic_cast<PageControl*>(c.get()); pages && pages->hasHandle()) return pages;
    return nullptr;
}

// Moved by the keyboard: the focus frame shows from now on, as after the dialog manager's Tab.
void focusControl(HWND h) {
    SendMessageW(topLevelOf(h), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    SetFocus(h);
    if (SendMessageW(h, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(h, EM_SETSEL, 0, -1);
}

// The focus stays on the tabs when it was there; from a control of the page left behind it goes
// to the first control of the new page.
void turnPages(PageControl& pages, bool back) {
    TabSheet* left = pages.active();
    TabSheet* shown = pages.turn(back ? -1 : 1);
    if (!shown || shown == left) return;
    HWND focus = GetFocus();
    const bool wasOnLeftPage = !focus || (left && left->hasHandle() && IsChild(static_cast<HWND>(left->handle()), focus));
    if (!wasOnLeftPage) return;
    HWND sheet = static_cast<HWND>(shown->handle());
    HWND first = GetNextDlgTabItem(sheet, nullptr, FALSE);
    focusControl(first && IsChild(sheet, first) ? first : static_cast<HWND>(pages.handle()));
}

bool isFocusable(HWND h) { return hasClass(h, L"QlmrFocusable"); }

// The key-up of a menu key whose key-down opened the menu: the default procedure would open it again.
bool menuKeyUp(const MSG& m) {
    if (m.message != WM_KEYUP && m.message != WM_SYSKEYUP) return false;
    return m.wParam == VK_APPS || (m.wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0);
}

// The control of each form that last had the focus, told by a hook that sees every focus move
// of the thread: disabling a window for a message box takes the focus before it is deactivated.
std::unordered_map<HWND, HWND>& lastFocused() {
    static std::unordered_map<HWND, HWND> controls;
    return controls;
}

LRESULT CALLBACK focusHook(int code, WPARAM wp, LPARAM lp);
HHOOK& hook() {
    static HHOOK h = SetWindowsHookExW(WH_CBT, focusHook, nullptr, GetCurrentThreadId());
    return h;
}

LRESULT CALLBACK focusHook(int code, WPARAM wp, LPARAM lp) {
    HWND gaining = reinterpret_cast<HWND>(wp);
    if (code == HCBT_SETFOCUS && gaining && (GetWindowLongW(gaining, GWL_STYLE) & WS_CHILD)) {
        HWND top = topLevelOf(gaining);
        if (dynamic_cast<Form*>(Control::fromHandle(top))) lastFocused()[top] = gaining;
    }
    if (code == HCBT_DESTROYWND) lastFocused().erase(reinterpret_cast<HWND>(wp));
    return CallNextHookEx(hook(), code, wp, lp);
}

bool canTakeFocus(HWND form, HWND h) {
    return h && IsWindow(h) && IsChild(form, h) && IsWindowVisible(h) && IsWindowEnabled(h);
}

// With nothing focused before, the window's own control nearest its top left corner: in the
// main window the banner, so that no page is entered before the user moves there. Only the
// window's own children are weighed: the start-up pays for each one asked.
HWND firstFocus(HWND window) {
    HWND found = nullptr;
    RECT at{};
    for (HWND h = GetWindow(window, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (!(GetWindowLongW(h, GWL_STYLE) & WS_TABSTOP) || !IsWindowVisible(h) || !IsWindowEnabled(h)) continue;
        RECT r;
        GetWindowRect(h, &r);
        if (!found || r.top < at.top || (r.top == at.top && r.left < at.left)) found = h, at = r;
    }
    return found ? found : GetNextDlgTabItem(window, nullptr, FALSE);
}

}  // namespace

void watchFocus() { hook(); }

void placeMenuAtFocusedRow(HWND control) {
    Control* c = Control::fromHandle(control);
    Control* container = Control::fromHandle(GetParent(control));
    if (!(c && c->onContextMenu) && !(container && container->onContextMenu)) return;
    RECT row{0, 0, 0, 0};
    const LRESULT caret = SendMessageW(control, LB_GETCARETINDEX, 0, 0);
    if (hasClass(control, L"LISTBOX") && caret != LB_ERR && SendMessageW(control, LB_GETITEMRECT, WPARAM(caret), LPARAM(&row)) != LB_ERR)
        row.top = row.bottom;   // just below the row, where the menu would not hide it
    else
        GetClientRect(control, &row), row.top = 0, row.left = 0;
    POINT at{row.left + 8, row.top};
    ClientToScreen(control, &at);
    PopupMenu::placeNextAt(at.x, at.y);
}

bool activated(HWND window, WPARAM wp) {
    watchFocus();
    if (LOWORD(wp) == WA_INACTIVE || HIWORD(wp)) return false;   // leaving, or minimized
    HWND focus = lastFocused()[window];
    if (!canTakeFocus(window, focus)) focus = firstFocus(window);
    if (!canTakeFocus(window, focus)) return false;
    SetFocus(focus);
    return true;
}

bool handleKey(MSG& m) {
    if (menuKeyUp(m)) return topLevelOf(m.hwnd) && Control::fromHandle(topLevelOf(m.hwnd));
    if (m.message != WM_KEYDOWN && m.message != WM_SYSKEYDOWN) return false;
    auto* form = dynamic_cast<Form*>(Control::fromHandle(topLevelOf(m.hwnd)));
    if (!form) return false;
    const int key = int(m.wParam);
    const bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    const bool alt = GetKeyState(VK_MENU) < 0;
    HWND focus = GetFocus();
    if (ctrl && !alt && (key == VK_TAB || key == VK_NEXT || key == VK_PRIOR)) {
        PageControl* pages = pagesOf(*form);
        if (!pages) return false;
        turnPages(*pages, key == VK_PRIOR || (key == VK_TAB && shift));
        return true;
    }
    if (key == VK_APPS || (key == VK_F10 && shift && !ctrl)) {
        if (focus && (GetWindowLongW(focus, GWL_STYLE) & WS_CHILD))
            SendMessageW(GetParent(focus), WM_CONTEXTMENU, WPARAM(focus), MAKELPARAM(-1, -1));
        return true;
    }
    if (ctrl || alt) return false;
    if (key == VK_ESCAPE) {
        if (comboDropped(focus)) return false;
        if (!form->isMain) {
            form->close();
            return true;
        }
        return isMemo(focus);
    }
    if (key == VK_TAB && isMemo(focus)) {
        if (HWND next = GetNextDlgTabItem(static_cast<HWND>(form->handle()), focus, shift)) focusControl(next);
        return true;
    }
    if (key == VK_RETURN || (key == VK_SPACE && isFocusable(focus))) {
        Control* c = Control::fromHandle(focus);
        return c && c->enabled() && c->enterKey();
    }
    return false;
}

}  // namespace detail
}  // namespace tk
