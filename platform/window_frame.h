#pragma once
// Title-bar commands of a top-level window: extra items of its system menu, rolling it up to
// its title bar and keeping it above other windows.
#include <cstdint>
#include <string>

namespace qlmr {

constexpr unsigned kSystemCommandMessage = 0x0112;   // WM_SYSCOMMAND
constexpr unsigned kMinMaxInfoMessage = 0x0024;      // WM_GETMINMAXINFO
// The command id of a system-command message (the low four bits belong to the system).
unsigned systemCommandId(uintptr_t wParam);

// Appends an item (ids below 0xF000, multiples of 16) to the window's system menu; an empty
// caption appends a separator.
void appendSystemMenuItem(void* window, unsigned id, const std::string& caption);
void checkSystemMenuItem(void* window, unsigned id, bool checked);

int windowHeight(void* window);
void setWindowHeight(void* window, int height);
// Caption height plus one frame border of the window's style.
int titleBarHeight(void* window);
// Lets a minimum-size query (WM_GETMINMAXINFO's lParam) accept windows down to that height.
void allowHeightDownTo(intptr_t minMaxInfo, int height);

void setStayOnTop(void* window, bool on);
// A window minimized to the task bar comes back to its size before.
void restoreIfMinimized(void* window);

}  // namespace qlmr
