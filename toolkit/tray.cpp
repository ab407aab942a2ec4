#include "toolkit/tray.h"

#include "toolkit/form.h"
#include "toolkit/late_bound.h"
#include "toolkit/menu.h"
#include "toolkit/text.h"
#include "toolkit/win.h"

#include <shellapi.h>

namespace tk {
namespace {

NOTIFYICONDATAW baseData(Form* owner) {
    NOTIFYICONDATAW d{};
    d.cbSize = NOTIFYICONDATAW_V2_SIZE;
    d.hWnd = static_cast<HWND>(owner->handle());
    d.uID = 1;
    return d;
}

}  // namespace

TrayIcon::TrayIcon(Form* owner, std::string name, const std::string& tip, PopupMenu* menu)
    : Component(owner, std::move(name)), tip_(tip), menu_(menu) {}

TrayIcon::~TrayIcon() { setActive(false); }

void TrayIcon::setActive(bool on) {
    if (on == active_) return;
    static const auto notifyIcon = lateBound<decltype(&Shell_NotifyIconW)>("shell32.dll", "Shell_NotifyIconW");
    if (!notifyIcon) return;
    NOTIFYICONDATAW d = baseData(owner());
    if (on) {
        d.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
        d.uCallbackMessage = kCallbackMessage;
        d.hIcon = static_cast<HICON>(Application::instance().icon());
        std::wstring w = widen(tip_);
        lstrcpynW(d.szTip, w.c_str(), int(sizeof d.szTip / sizeof d.szTip[0]));
        notifyIcon(NIM_ADD, &d);
    } else {
        notifyIcon(NIM_DELETE, &d);
    }
    active_ = on;
}

void TrayIcon::showBalloon(const std::string& title, const std::string& text) {
    static const auto notifyIcon = lateBound<decltype(&Shell_NotifyIconW)>("shell32.dll", "Shell_NotifyIconW");
    if (!active_ || !notifyIcon) return;
    NOTIFYICONDATAW d = baseData(owner());
    d.uFlags = NIF_INFO;
    d.dwInfoFlags = NIIF_INFO;
    const std::wstring t = widen(title), x = widen(text);
    lstrcpynW(d.szInfoTitle, t.c_str(), int(sizeof d.szInfoTitle / sizeof d.szInfoTitle[0]));
    lstrcpynW(d.szInfo, x.c_str(), int(sizeof d.szInfo / sizeof d.szInfo[0]));
    if (notifyIcon(NIM_MODIFY, &d)) lastBalloon_ = text;
}

void TrayIcon::handleCallback(unsigned long mouseMessage) {
    if (mouseMessage == WM_RBUTTONUP && menu_) menu_->popup(owner()->handle());
}

}  // namespace tk
