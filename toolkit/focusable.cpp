// A control its container would draw, given a window of its own so that the keyboard reaches it:
// a link, or a picture that opens something. It paints and takes clicks as it would inside its
// container, and shows the focus with a dotted frame.
#include <algorithm>
#include <stdexcept>

#include "toolkit/component.h"
#include "toolkit/win.h"

namespace tk {
namespace {

constexpr const wchar_t* kFocusableClass = L"QlmrFocusable";

// Its paint draws at its place in the container; the origin moves it into its own window.
void paintFocusable(HWND hwnd, Control& c) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    const Rect b = c.bounds();
    int saved = SaveDC(dc);
    SetViewportOrgEx(dc, -b.x, -b.y, nullptr);
    c.paint(dc);
    RestoreDC(dc, saved);
    if (GetFocus() == hwnd) {
        RECT r;
        GetClientRect(hwnd, &r);
        DrawFocusRect(dc, &r);
    }
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK focusableProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Control* c = Control::fromHandle(hwnd);
    switch (msg) {
    case WM_PAINT:
        if (!c) break;
        paintFocusable(hwnd, *c);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        if (c) c->handleCommand(STN_CLICKED);
        return 0;
    case WM_SETCURSOR:
        if (c && c->handCursor() && LOWORD(lp) == HTCLIENT) {
            SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));   // IDC_HAND
            return TRUE;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_SETTEXT: {
        LRESULT done = DefWindowProcW(hwnd, msg, wp, lp);
        InvalidateRect(hwnd, nullptr, FALSE);
        return done;
    }
    case WM_GETOBJECT:
        if (LRESULT answer = detail::answerAccessibility(hwnd, wp, lp)) return answer;
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void registerFocusableClass() {
    static bool done = false;
    if (done) return;
    WNDCLASSW wc{};
    wc.lpfnWndProc = focusableProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.lpszClassName = kFocusableClass;
    RegisterClassW(&wc);
    done = true;
}

}  // namespace

void Control::makeFocusable() {
    if (!windowless_) return;
    if (handle_) throw std::logic_error(name() + " made focusable after its window");
    registerFocusableClass();
    auto& drawn = parent_->windowlessChildren_;
    drawn.erase(std::remove(drawn.begin(), drawn.end(), this), drawn.end());
    windowless_ = false;
    class_ = kFocusableClass;
    // Its own group: the arrows of a radio group that precedes it stop here.
    style_ |= WS_CHILD | WS_TABSTOP | WS_GROUP;
    if (parent_->hasHandle() && parent_->visible() && visible()) handle();
}

}  // namespace tk
