#pragma once
// Internal to the toolkit: Win32 helpers shared by its source files.
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace tk {
class VirtualListBox;
}
namespace tk::detail {

constexpr const wchar_t* kContainerClass = L"QlmrContainer";
constexpr const wchar_t* kNameProp = L"QlmrName";

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
constexpr ULONG_PTR kDescribeTag = 0x514C4D52;   // "QLMR"
bool paintWindowless(HWND hwnd);
bool clickWindowless(HWND hwnd, LPARAM at);
unsigned describeMessage();   // registered "QlmrWindowlessControls"; wParam: the window to tell
LRESULT describeWindowless(HWND hwnd, HWND asker);

}  // namespace tk::detail
