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

}  // namespace tk::detail
