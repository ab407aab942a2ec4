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

// The keyboard beyond the dialog manager (toolkit/keyboard.cpp): true when a key was used up.
bool handleKey(MSG& m);
// A form coming to the front focuses the control that last had the focus in it, or its first.
bool activated(HWND window, WPARAM wp);
void watchFocus();
// A menu the keyboard asks for opens at the control's focused row, or its top-left corner.
void placeMenuAtFocusedRow(HWND control);

// The accessible object of a window, for WM_GETOBJECT (toolkit/accessible.cpp); 0 leaves the
// answer to the default procedure.
LRESULT answerAccessibility(HWND hwnd, WPARAM wp, LPARAM lp);
// Lists and memos answer for themselves: their windows are the system's.
void answerAccessibilityOf(Control* c, HWND hwnd);

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
