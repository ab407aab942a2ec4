#include "platform/regedit_jump.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/text_codec.h"
#include "toolkit/late_bound.h"

namespace qlmr {
namespace {

constexpr const char* kEditorClass = "RegEdit_RegEdit";
constexpr const char* kTreeClass = "SysTreeView32";
constexpr int kCollapseKeys = 30;
// Longer than the tree's type-ahead memory, so the next name is typed afresh.
constexpr DWORD kExpandPause = 500;

HWND findEditor() { return FindWindowA(kEditorClass, nullptr); }

// The editor's tree: its first child of the tree class; some editors keep the tree one window
// further down, inside a pane.
HWND findTree(HWND editor) {
    if (HWND tree = FindWindowExA(editor, nullptr, kTreeClass, nullptr)) return tree;
    for (HWND child = FindWindowExA(editor, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(editor, child, nullptr, nullptr))
        if (HWND tree = FindWindowExA(child, nullptr, kTreeClass, nullptr)) return tree;
    return nullptr;
}

HWND startEditor() {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpVerb = "open";
    info.lpFile = "regedit.exe";
    info.nShow = SW_SHOWNORMAL;
    static const auto shellExecuteEx = tk::lateBound<decltype(&ShellExecuteExA)>("shell32.dll", "ShellExecuteExA");
    if (shellExecuteEx && shellExecuteEx(&info) && info.hProcess) {
        WaitForInputIdle(info.hProcess, 200);
        CloseHandle(info.hProcess);
    }
    return findEditor();
}

void pressKey(HWND tree, WPARAM key) { SendMessageA(tree, WM_KEYDOWN, key, 0); }

// The tree's type-ahead ignores characters whose repeat count (lParam) is 0.
void typeChar(HWND tree, unsigned char c) { SendMessageA(tree, WM_CHAR, c, 1); }

}  // namespace

void jumpToRegistryKey(const std::string& keyPath) {
    HWND editor = findEditor();
    if (!editor) editor = startEditor();
    ShowWindow(editor, SW_SHOWNORMAL);
    // Without an editor the keys go nowhere; a search from the desktop could hit another tree.
    HWND tree = editor ? findTree(editor) : nullptr;
    SetForegroundWindow(tree);
    for (int i = 0; i < kCollapseKeys; ++i) pressKey(tree, VK_LEFT);
    Sleep(kExpandPause);
    pressKey(tree, VK_RIGHT);
    Sleep(kExpandPause);
    for (char c : utf8ToAnsi(keyPath)) {
        if (c == '\\') {
            pressKey(tree, VK_RIGHT);
            Sleep(kExpandPause);
        } else {
            typeChar(tree, static_cast<unsigned char>(c));
        }
    }
}

}  // namespace qlmr
