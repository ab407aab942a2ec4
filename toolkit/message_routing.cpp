// The messages a parent window hands on to the control they concern: one small function per
// message, looked up in a table.
#include "toolkit/component.h"
#include "toolkit/dialogs.h"
#include "toolkit/win.h"

namespace tk {
namespace detail {
namespace {

using Route = bool (*)(HWND hwnd, WPARAM wp, LPARAM lp, LRESULT& result);

bool routePaint(HWND hwnd, WPARAM, LPARAM, LRESULT&) { return paintWindowless(hwnd); }

bool routeLeftButtonDown(HWND hwnd, WPARAM, LPARAM lp, LRESULT&) { return clickWindowless(hwnd, lp); }

// The hand over a windowless link; elsewhere the window's own cursor.
bool routeSetCursor(HWND hwnd, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (reinterpret_cast<HWND>(wp) != hwnd || LOWORD(lp) != HTCLIENT || !pointWindowless(hwnd)) return false;
    result = TRUE;
    return true;
}

bool routeCommand(HWND, WPARAM wp, LPARAM lp, LRESULT& result) {
    Control* c = lp ? Control::fromHandle(reinterpret_cast<HWND>(lp)) : nullptr;
    if (!c) return false;
    c->handleCommand(HIWORD(wp));
    result = 0;
    return true;
}

bool routeNotify(HWND, WPARAM, LPARAM lp, LRESULT& result) {
    auto* hdr = reinterpret_cast<NMHDR*>(lp);
    if (Control* c = Control::fromHandle(hdr->hwndFrom)) {
        result = LRESULT(c->handleNotify(hdr));
        return true;
    }
    return hdr->code == NM_CUSTOMDRAW && alignTipText(hdr, result);
}

bool routeDrawItem(HWND, WPARAM, LPARAM lp, LRESULT& result) {
    auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
    Control* c = Control::fromHandle(dis->hwndItem);
    if (!c || !c->handleDrawItem(dis)) return false;
    result = TRUE;
    return true;
}

// The control under the click first, then the window itself.
bool routeContextMenu(HWND hwnd, WPARAM wp, LPARAM, LRESULT& result) {
    for (Control* target : {Control::fromHandle(reinterpret_cast<HWND>(wp)), Control::fromHandle(hwnd)}) {
        if (target && target->onContextMenu) {
            runHandler(target->onContextMenu);
            result = 0;
            return true;
        }
    }
    return false;
}

bool routeControlColor(HWND, WPARAM wp, LPARAM lp, LRESULT& result) {
    Control* c = Control::fromHandle(reinterpret_cast<HWND>(lp));
    void* brush = c ? c->handleColor(reinterpret_cast<HDC>(wp)) : nullptr;
    if (!brush) return false;
    result = reinterpret_cast<LRESULT>(brush);
    return true;
}

struct RouteEntry {
    UINT message;
    Route route;
};

constexpr RouteEntry kRoutes[] = {
    {WM_PAINT, routePaint},
    {WM_LBUTTONDOWN, routeLeftButtonDown},
    {WM_SETCURSOR, routeSetCursor},
    {WM_COMMAND, routeCommand},
    {WM_NOTIFY, routeNotify},
    {WM_DRAWITEM, routeDrawItem},
    {WM_CONTEXTMENU, routeContextMenu},
    {WM_CTLCOLORSTATIC, routeControlColor},
    {WM_CTLCOLORLISTBOX, routeControlColor},
    {WM_CTLCOLOREDIT, routeControlColor},
    {WM_CTLCOLORBTN, routeControlColor},
};

// The two registered messages another process asks the windows with (names, windowless parts).
bool routeRegistered(HWND hwnd, UINT msg, WPARAM wp, LRESULT& result) {
    if (msg == describeMessage()) {
        result = describeWindowless(hwnd, reinterpret_cast<HWND>(wp));
        return true;
    }
    if (msg == nameMessage()) {
        result = nameOf(reinterpret_cast<HWND>(wp));
        return true;
    }
    return false;
}

}  // namespace

bool routeChildMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg >= 0xC000) return routeRegistered(hwnd, msg, wp, result);   // RegisterWindowMessage's range
    for (const RouteEntry& entry : kRoutes) {
        if (entry.message == msg) return entry.route(hwnd, wp, lp, result);
    }
    return false;
}

}  // namespace detail
}  // namespace tk
