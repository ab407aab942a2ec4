#include "platform/window_frame.h"

#include <windows.h>

#include "toolkit/text.h"

namespace qlmr {

unsigned systemCommandId(uintptr_t wParam) { return unsigned(wParam & 0xFFF0); }

void appendSystemMenuItem(void* window, unsigned id, const std::string& caption) {
    HMENU menu = GetSystemMenu(static_cast<HWND>(window), FALSE);
    if (!menu) return;
    if (caption.empty())
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    else
        AppendMenuW(menu, MF_STRING, id, tk::widen(caption).c_str());
}

void checkSystemMenuItem(void* window, unsigned id, bool checked) {
    HMENU menu = GetSystemMenu(static_cast<HWND>(window), FALSE);
    if (menu) CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

int windowHeight(void* window) {
    RECT r{};
    GetWindowRect(static_cast<HWND>(window), &r);
    return int(r.bottom - r.top);
}

void setWindowHeight(void* window, int height) {
    HWND h = static_cast<HWND>(window);
    RECT r{};
    GetWindowRect(h, &r);
    SetWindowPos(h, nullptr, 0, 0, int(r.right - r.left), height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int titleBarHeight(void* window) {
    const LONG style = GetWindowLongA(static_cast<HWND>(window), GWL_STYLE);
    const int frame = GetSystemMetrics((style & WS_THICKFRAME) ? SM_CYSIZEFRAME : SM_CYFIXEDFRAME);
    return GetSystemMetrics(SM_CYCAPTION) + frame;
}

void allowHeightDownTo(intptr_t minMaxInfo, int height) {
    auto* info = reinterpret_cast<MINMAXINFO*>(minMaxInfo);
    if (info && info->ptMinTrackSize.y > height) info->ptMinTrackSize.y = height;
}

void setStayOnTop(void* window, bool on) {
    SetWindowPos(static_cast<HWND>(window), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// A maximized window minimized comes back maximized (Wine's restore would make it normal).
void restoreIfMinimized(void* window) {
    HWND h = static_cast<HWND>(window);
    if (!IsIconic(h)) return;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    const bool maximized = GetWindowPlacement(h, &placement) && (placement.flags & WPF_RESTORETOMAXIMIZED);
    ShowWindow(h, maximized ? SW_SHOWMAXIMIZED : SW_RESTORE);
}

}  // namespace qlmr
