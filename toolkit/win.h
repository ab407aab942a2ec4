#pragma once
// Internal to the toolkit: Win32 helpers shared by its source files.
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace tk {
class Control;
class VirtualListBox;
}
namespace tk::detail {

constexpr const wchar_t* kContainerClass = L"QlmrContainer";

// A control's window.
HWND hwndOf(const Control* c);
void registerContainerClass();
HFONT defaultFont();
int nextControlId();
// Handles the messages a container gets on behalf of its child controls.
bool routeChildMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
void markDirty(VirtualListBox* list);
void forgetDirty(VirtualListBox* list);
void flushDirtyLists();
LRESULT CALLBACK containerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// A container's part for the controls it draws itself (toolkit/windowless.cpp).
bool paintWindowless(HWND hwnd);
bool clickWindowless(HWND hwnd, LPARAM at);
// Shows the hand over a link the container draws; false when the cursor is over none.
bool pointWindowless(HWND hwnd);
// Tooltips write their text right-aligned: answers a tooltip's custom-draw notice.
bool alignTipText(NMHDR* hdr, LRESULT& result);

// What other processes may ask (toolkit/outside_view.cpp). A container tells the names, texts and
// geometry of the controls it draws (registered "QlmrWindowlessControls", wParam: the window to tell).
constexpr ULONG_PTR kDescribeTag = 0x514C4D52;   // "QLMR"
unsigned describeMessage();
LRESULT describeWindowless(HWND hwnd, HWND asker);
// A form or container tells the component name of any window of the program on request
// (registered "QlmrComponentName", wParam: the window) as a global atom the asker deletes.
unsigned nameMessage();
LRESULT nameOf(HWND window);

}  // namespace tk::detail
