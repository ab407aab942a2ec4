#include "platform/focus_watch.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace qlmr {

// One thread hook serves every watch; it lives while any watch does.
struct FocusWatchHook {
    static std::vector<FocusWatch*>& watches() {
        static std::vector<FocusWatch*> list;
        return list;
    }
    static HHOOK& hook() {
        static HHOOK h = nullptr;
        return h;
    }
    static LRESULT CALLBACK procedure(int code, WPARAM wp, LPARAM lp) {
        if (code == HCBT_SETFOCUS)
            for (FocusWatch* w : watches()) PostMessageW(static_cast<HWND>(w->window_), w->message_, wp, lp);
        return CallNextHookEx(hook(), code, wp, lp);
    }
};

FocusWatch::FocusWatch(void* notifyWindow, unsigned message) : window_(notifyWindow), message_(message) {
    auto& list = FocusWatchHook::watches();
    if (list.empty())
        FocusWatchHook::hook() = SetWindowsHookExW(WH_CBT, FocusWatchHook::procedure, nullptr, GetCurrentThreadId());
    list.push_back(this);
}

FocusWatch::~FocusWatch() {
    auto& list = FocusWatchHook::watches();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (list.empty() && FocusWatchHook::hook()) {
        UnhookWindowsHookEx(FocusWatchHook::hook());
        FocusWatchHook::hook() = nullptr;
    }
}

bool isWindowWithin(void* window, void* ancestor) {
    if (!window || !ancestor) return false;
    HWND target = static_cast<HWND>(ancestor);
    for (HWND h = static_cast<HWND>(window); h; h = GetParent(h))
        if (h == target) return true;
    return false;
}

}  // namespace qlmr
