#pragma once
// Messages to another program's windows with a shared time budget: a hung or busy program
// (stopped, or waiting on a remote registry) must not freeze this one.
#include <windows.h>

namespace qlmr {

class BoundedSender {
public:
    explicit BoundedSender(DWORD budgetMilliseconds) : left_(budgetMilliseconds) {}
    // SendMessageTimeout with SMTO_ABORTIFHUNG for what is left of the budget; only the time
    // spent in sends counts. Once a send has failed or the budget is spent, every later send
    // fails at once.
    bool send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool gaveUp() const { return gaveUp_; }

private:
    DWORD left_;
    bool gaveUp_ = false;
};

}  // namespace qlmr
