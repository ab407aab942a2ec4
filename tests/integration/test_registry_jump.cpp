// The jump into the real registry editor's tree, read back from the editor's process.
#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include "tests/support/config_folder.h"
#include "tests/support/program_fixture.h"
#include "tests/support/registry_fixture.h"

using namespace qlmr;
using namespace qlmr::test;

namespace {

std::string lower(std::string s) {
    CharLowerBuffA(s.data(), DWORD(s.size()));
    return s;
}

HWND editorWindow() { return FindWindowA("RegEdit_RegEdit", nullptr); }

BOOL CALLBACK takeTree(HWND w, LPARAM out) {
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (lstrcmpiA(cls, "SysTreeView32") != 0) return TRUE;
    *reinterpret_cast<HWND*>(out) = w;
    return FALSE;
}

BOOL CALLBACK countEditor(HWND w, LPARAM count) {
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (lstrcmpA(cls, "RegEdit_RegEdit") == 0) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int editorCount() {
    int count = 0;
    EnumWindows(countEditor, reinterpret_cast<LPARAM>(&count));
    return count;
}

// The first tree among all the editor's descendants.
HWND treeOf(HWND editor) {
    HWND found = nullptr;
    EnumChildWindows(editor, takeTree, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Reads tree items of another process through memory allocated in it.
class RemoteTree {
public:
    explicit RemoteTree(HWND tree) : tree_(tree) {
        DWORD pid = 0;
        GetWindowThreadProcessId(tree, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_) memory_ = VirtualAllocEx(process_, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteTree() {
        if (memory_) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    bool ok() const { return memory_ != nullptr; }

    HTREEITEM selected() const { return next(nullptr, TVGN_CARET); }
    HTREEITEM parent(HTREEITEM item) const { return next(item, TVGN_PARENT); }

    std::string text(HTREEITEM item) const {
        char* remote = static_cast<char*>(memory_);
        TVITEMA tv{};
        tv.mask = TVIF_TEXT | TVIF_HANDLE;
        tv.hItem = item;
        tv.pszText = remote + 1024;
        tv.cchTextMax = 1024;
        SIZE_T done = 0;
        WriteProcessMemory(process_, remote, &tv, sizeof tv, &done);
        SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote));
        char buf[1024] = {};
        ReadProcessMemory(process_, remote + 1024, buf, sizeof buf - 1, &done);
        return buf;
    }

    // The selected item's path below the root ("My Computer").
    std::string selectedPath() const {
        std::string path;
        for (HTREEITEM item = selected(); item && parent(item); item = parent(item))
            path = text(item) + (path.empty() ? "" : "\\" + path);
        return path;
    }

private:
    HTREEITEM next(HTREEITEM item, WPARAM how) const {
        return reinterpret_cast<HTREEITEM>(SendMessageA(tree_, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
    }
    HWND tree_;
    HANDLE process_ = nullptr;
    void* memory_ = nullptr;
};

void closeEditor() {
    if (HWND w = editorWindow()) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        PostMessageA(w, WM_CLOSE, 0, 0);
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
        if (process) {
            WaitForSingleObject(process, 3000);
            CloseHandle(process);
        }
    }
}

// Closes the editor however the test ends: a window left open would outlive the run.
struct EditorCloser {
    ~EditorCloser() { closeEditor(); }
};

}  // namespace

TEST_CASE("the registry jump walks the editor's tree to the current service's key") {
    prepareConfigFolder(true);
    closeEditor();
    // The editor needs longer than the jump's own 200 ms to show its window under Wine: it is
    // opened first, as a user would have it open.
    ShellExecuteA(nullptr, "open", "regedit.exe", nullptr, nullptr, SW_SHOWNORMAL);
    EditorCloser closer;
    HWND tree = nullptr;
    REQUIRE(waitUntil([&] {
        tree = editorWindow() ? treeOf(editorWindow()) : nullptr;
        return editorWindow() && tree && SendMessageA(tree, TVM_GETCOUNT, 0, 0) > 0;
    }));
    ProgramFixture p;
    MainForm& f = *p.form;
    f.state.ServiceSysName.setPosition(11);   // as selecting Spooler in the list does
    REQUIRE(f.state.ServiceSysName.text() == "Spooler");
    f.services->tweak->RegistryJumpButtonClick();
    RemoteTree remote(tree);
    REQUIRE(remote.ok());
    // Key names compare without regard to case, as the registry does.
    CHECK(lower(remote.selectedPath()) == "hkey_local_machine\\system\\currentcontrolset\\services\\spooler");
    CHECK(editorCount() == 1);   // the open editor was used, no second one started
}
