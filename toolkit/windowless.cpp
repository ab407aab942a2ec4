// What a container does for the controls it draws itself: painting them and passing them clicks.
#include "toolkit/component.h"
#include "toolkit/win.h"

namespace tk::detail {

namespace {

Control* containerOf(HWND hwnd) {
    Control* self = Control::fromHandle(hwnd);
    return self && !self->windowlessChildren().empty() ? self : nullptr;
}

bool overlaps(const Rect& r, const RECT& area) {
    return r.x < area.right && r.x + r.w > area.left && r.y < area.bottom && r.y + r.h > area.top;
}

bool contains(const Rect& r, int x, int y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; }

}  // namespace

bool paintWindowless(HWND hwnd) {
    Control* self = containerOf(hwnd);
    if (!self) return false;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    for (Control* c : self->windowlessChildren()) {
        if (!c->visible() || !overlaps(c->bounds(), ps.rcPaint)) continue;
        int saved = SaveDC(dc);
        c->paint(dc);
        RestoreDC(dc, saved);
    }
    EndPaint(hwnd, &ps);
    return true;
}

// The first made lies on top, as windows made in that order would.
bool clickWindowless(HWND hwnd, LPARAM at) {
    Control* self = containerOf(hwnd);
    if (!self) return false;
    const int x = short(LOWORD(at)), y = short(HIWORD(at));
    for (Control* c : self->windowlessChildren()) {
        if (c->visible() && c->enabled() && contains(c->bounds(), x, y)) {
            c->handleCommand(STN_CLICKED);
            return true;
        }
    }
    return false;
}

bool pointWindowless(HWND hwnd) {
    Control* self = containerOf(hwnd);
    if (!self) return false;
    POINT at;
    GetCursorPos(&at);
    ScreenToClient(hwnd, &at);
    for (Control* c : self->windowlessChildren()) {
        if (c->visible() && contains(c->bounds(), at.x, at.y)) {
            if (!c->handCursor()) return false;
            SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));   // IDC_HAND
            return true;
        }
    }
    return false;
}

bool alignTipText(NMHDR* hdr, LRESULT& result) {
    wchar_t cls[32] = {};
    GetClassNameW(hdr->hwndFrom, cls, 32);
    if (lstrcmpiW(cls, TOOLTIPS_CLASSW) != 0) return false;
    auto* draw = reinterpret_cast<NMTTCUSTOMDRAW*>(hdr);
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) draw->uDrawFlags = (draw->uDrawFlags & ~DT_CENTER) | DT_RIGHT;
    result = CDRF_DODEFAULT;
    return true;
}

}  // namespace tk::detail
