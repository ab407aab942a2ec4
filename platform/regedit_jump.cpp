#include "platform/regedit_jump.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/bounded_send.h"
#include "platform/text_codec.h"
#include "toolkit/late_bound.h"

namespace qlmr {
namespace {

constexpr const char* kEditorClass = "RegEdit_RegEdit";
constexpr const char* kTreeClass = "SysTreeView32";
constexpr int kCollapseKeys = 30;
// Longer than the tree's type-ahead memory, so the next name is typed afresh.
constexpr DWORD kExpandPause = 500;
// What all messages to the editor's tree may take together; the pauses are not counted.
constexpr DWORD kSendBudget = 2000;

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
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;   // a failed start shows nothing
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

// The keys go to the tree through the sender; without a tree they go nowhere, as before.
class TreeKeys {
public:
    explicit TreeKeys(HWND tree) : tree_(tree), sender_(kSendBudget) {}
    bool press(WPARAM key) { return send(WM_KEYDOWN, key, 0); }
    // The tree's type-ahead ignores characters whose repeat count (lParam) is 0.
    bool type(unsigned char c) { return send(WM_CHAR, c, 1); }

private:
    bool send(UINT message, WPARAM wParam, LPARAM lParam) {
        if (!tree_) return true;
        return sender_.send(tree_, message, wParam, lParam);
    }
    HWND tree_;
    BoundedSender sender_;
};

}  // namespace

JumpResult jumpToRegistryKey(const std::string& keyPath) {
    HWND editor = findEditor();
    if (!editor) editor = startEditor();
    // Asynchronous: a plain ShowWindow on another program's window waits for that program.
    if (editor) ShowWindowAsync(editor, SW_SHOWNORMAL);
    // Without an editor the keys go nowhere; a search from the desktop could hit another tree.
    HWND tree = editor ? findTree(editor) : nullptr;
    SetForegroundWindow(tree);
    TreeKeys keys(tree);
    for (int i = 0; i < kCollapseKeys; ++i)
        if (!keys.press(VK_LEFT)) return JumpResult::NotResponding;
    Sleep(kExpandPause);
    if (!keys.press(VK_RIGHT)) return JumpResult::NotResponding;
    Sleep(kExpandPause);
    for (char c : utf8ToAnsi(keyPath)) {
        const bool sent = c == '\\' ? keys.press(VK_RIGHT) : keys.type(static_cast<unsigned char>(c));
        if (!sent) return JumpResult::NotResponding;
        if (c == '\\') Sleep(kExpandPause);
    }
    return tree ? JumpResult::Done : JumpResult::NoEditor;
}

}  // namespace qlmr
