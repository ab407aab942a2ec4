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

TrayIcon::Notifier& replacedNotifier() {
    static TrayIcon::Notifier notifier;
    return notifier;
}

// Bound at first use: the shell library loads only once an icon is wanted. A shell that cannot
// be bound takes no icon.
bool notify(unsigned long command, NOTIFYICONDATAW& d) {
    if (replacedNotifier()) return replacedNotifier()(command, &d);
    static const auto notifyIcon = lateBound<decltype(&Shell_NotifyIconW)>("shell32.dll", "Shell_NotifyIconW");
    return notifyIcon && notifyIcon(DWORD(command), &d);
}

// An elevated program on Vista and later hears the broadcast of an unelevated shell only when it
// lets the message through. XP has neither call; the message comes through there anyway.
void letBroadcastThrough(HWND window, UINT message) {
    using FilterEx = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    using Filter = BOOL(WINAPI*)(UINT, DWORD);
    constexpr DWORD kAllow = 1;   // MSGFLT_ALLOW, and MSGFLT_ADD for the older call
    if (auto filterEx = lateBound<FilterEx>("user32.dll", "ChangeWindowMessageFilterEx"))
        filterEx(window, message, kAllow, nullptr);
    else if (auto filter = lateBound<Filter>("user32.dll", "ChangeWindowMessageFilter"))
        filter(message, kAllow);
}

}  // namespace

TrayIcon::TrayIcon(Form* owner, std::string name, const std::string& tip, PopupMenu* menu)
    : Component(owner, std::move(name)), tip_(tip), menu_(menu) {
    letBroadcastThrough(static_cast<HWND>(owner->handle()), taskbarCreatedMessage());
}

TrayIcon::~TrayIcon() { setActive(false); }

unsigned TrayIcon::taskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

void TrayIcon::setNotifier(Notifier notifier) { replacedNotifier() = std::move(notifier); }

// An add that reports failure may still have placed the icon (a busy shell answers late, or the
// icon was left from before): the icon is there when a modify of it succeeds.
bool TrayIcon::add() {
    NOTIFYICONDATAW d = baseData(owner());
    d.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
    d.uCallbackMessage = kCallbackMessage;
    d.hIcon = static_cast<HICON>(Application::instance().icon());
    std::wstring w = widen(tip_);
    lstrcpynW(d.szTip, w.c_str(), int(sizeof d.szTip / sizeof d.szTip[0]));
    if (!notify(NIM_ADD, d) && !notify(NIM_MODIFY, d)) return false;
    // Shell 5 and later (XP has it) tell the keyboard's Menu key, Shift+F10 and Enter on the
    // icon; an older shell only the mouse.
    NOTIFYICONDATAW version = baseData(owner());
    version.uVersion = NOTIFYICON_VERSION;
    keyboardAware_ = notify(NIM_SETVERSION, version);
    return true;
}

bool TrayIcon::setActive(bool on) {
    if (on == active_) return true;
    if (on) {
        if (!add()) return false;
    } else {
        NOTIFYICONDATAW d = baseData(owner());
        notify(NIM_DELETE, d);
    }
    active_ = on;
    return true;
}

bool TrayIcon::restore() {
    if (!active_) return true;
    active_ = add();
    return active_;
}

void TrayIcon::showBalloon(const std::string& title, const std::string& text) {
    if (!active_) return;
    NOTIFYICONDATAW d = baseData(owner());
    d.uFlags = NIF_INFO;
    d.dwInfoFlags = NIIF_INFO;
    const std::wstring t = widen(title), x = widen(text);
    lstrcpynW(d.szInfoTitle, t.c_str(), int(sizeof d.szInfoTitle / sizeof d.szInfoTitle[0]));
    lstrcpynW(d.szInfo, x.c_str(), int(sizeof d.szInfo / sizeof d.szInfo[0]));
    if (notify(NIM_MODIFY, d)) lastBalloon_ = text;
}

// A shell that tells the keyboard follows a right click with WM_CONTEXTMENU; Enter or Space on
// the icon come as NIN_KEYSELECT, which some shells send twice for one Enter.
void TrayIcon::handleCallback(unsigned long mouseMessage) {
    if (!menu_) return;
    const bool asked = keyboardAware_ ? mouseMessage == WM_CONTEXTMENU || mouseMessage == NIN_KEYSELECT
                                      : mouseMessage == WM_RBUTTONUP;
    if (!asked) return;
    if (mouseMessage == NIN_KEYSELECT && GetTickCount() - menuClosedAt_ < 300) return;
    menu_->popup(owner()->handle());
    menuClosedAt_ = GetTickCount();
}

}  // namespace tk
