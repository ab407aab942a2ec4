#include "tests/e2e/driver.h"

#include <shellapi.h>

#include <cstdio>
#include <set>
#include <stdexcept>

namespace e2e {

std::string distFolder;

namespace {

std::wstring wide(const std::string& s) {
    int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), nullptr, 0);
    std::wstring w(size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), w.data(), n);
    return w;
}

void shellFileOp(UINT op, const std::string& from, const std::string& to) {
    std::wstring f = wide(from), t = wide(to);
    f.push_back(L'\0');
    t.push_back(L'\0');
    SHFILEOPSTRUCTW s{};
    s.wFunc = op;
    s.pFrom = f.c_str();
    s.pTo = to.empty() ? nullptr : t.c_str();
    s.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI | FOF_NOCONFIRMMKDIR;
    SHFileOperationW(&s);
}

struct FindState {
    DWORD pid;
    const wchar_t* cls;
    HWND found = nullptr;
    int count = 0;
};

BOOL CALLBACK findTop(HWND h, LPARAM lp) {
    auto* s = reinterpret_cast<FindState*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    wchar_t cls[64];
    GetClassNameW(h, cls, 64);
    if (pid == s->pid && lstrcmpW(cls, s->cls) == 0 && IsWindowVisible(h)) {
        ++s->count;
        if (!s->found) s->found = h;
    }
    return TRUE;
}

struct WindowsOf {
    DWORD pid;
    std::set<HWND>* seen;
};

BOOL CALLBACK collectWindowsOf(HWND h, LPARAM lp) {
    auto* of = reinterpret_cast<WindowsOf*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    if (pid == of->pid) of->seen->insert(h);
    return TRUE;
}

// Receives what a container tells of the labels it draws: names, texts and geometry, each ended by
// a zero.
std::vector<DrawnControl> toldLabels;

std::string nextField(const char*& at, const char* end) {
    std::string field(at < end ? at : "");
    at += field.size() + 1;
    return field;
}

DrawnControl parseTold(HWND container, std::string name, std::string text, const std::string& geometry) {
    DrawnControl c{container, std::move(name), std::move(text)};
    int x = 0, y = 0, w = 0, h = 0, shown = 0, weight = 0, height = 0, used = 0;
    sscanf(geometry.c_str(), "%d %d %d %d %d %d %d %n", &x, &y, &w, &h, &shown, &weight, &height, &used);
    c.bounds = RECT{x, y, x + w, y + h};
    c.visible = shown != 0;
    c.font.lfWeight = weight;
    c.font.lfHeight = height;
    const std::wstring face = wide(geometry.substr(size_t(used)));
    lstrcpynW(c.font.lfFaceName, face.c_str(), LF_FACESIZE);
    return c;
}

LRESULT CALLBACK receiverProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_COPYDATA) return DefWindowProcW(h, msg, wp, lp);
    auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lp);
    const char* at = static_cast<const char*>(copy->lpData);
    const char* end = at + copy->cbData;
    while (at < end) {
        std::string name = nextField(at, end);
        std::string text = nextField(at, end);
        toldLabels.push_back(parseTold(reinterpret_cast<HWND>(wp), std::move(name), std::move(text), nextField(at, end)));
    }
    return TRUE;
}

HWND receiver() {
    static HWND h = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = receiverProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"QlmrE2eLabelReceiver";
        RegisterClassW(&wc);
        return CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    }();
    return h;
}

BOOL CALLBACK askContainer(HWND h, LPARAM) {
    static const UINT describe = RegisterWindowMessageW(L"QlmrWindowlessControls");
    DWORD_PTR told = 0;
    SendMessageTimeoutW(h, describe, WPARAM(receiver()), 0, SMTO_ABORTIFHUNG, 5000, &told);
    return TRUE;
}

struct NameSearch {
    std::string name;
    HWND found = nullptr;
};

BOOL CALLBACK findNamed(HWND h, LPARAM lp) {
    auto* s = reinterpret_cast<NameSearch*>(lp);
    if (componentName(h) == s->name) {
        s->found = h;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::string narrowText(const std::wstring& w) {
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

bool hasCyrillic(const std::wstring& w) {
    for (wchar_t c : w)
        if (c >= 0x0400 && c <= 0x04FF) return true;
    return false;
}

// The program's top-level window answers with a global atom made for the asker to read and delete.
std::string componentName(HWND h) {
    static const UINT ask = RegisterWindowMessageW(L"QlmrComponentName");
    DWORD_PTR atom = 0;
    SendMessageTimeoutW(GetAncestor(h, GA_ROOT), ask, WPARAM(h), 0, SMTO_ABORTIFHUNG, 5000, &atom);
    if (!atom) return {};
    wchar_t buf[256];
    UINT n = GlobalGetAtomNameW(ATOM(atom), buf, 256);
    GlobalDeleteAtom(ATOM(atom));
    return narrowText(std::wstring(buf, n));
}

void pumpSleep(int ms) {
    DWORD end = GetTickCount() + DWORD(ms);
    while (GetTickCount() < end) {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
        Sleep(10);
    }
}

Program::Program(const std::string& caseName) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "qlmr-e2e-" + caseName + "\\";
    shellFileOp(FO_DELETE, folder_.substr(0, folder_.size() - 1), "");
    CreateDirectoryA(folder_.c_str(), nullptr);
    shellFileOp(FO_COPY, distFolder + "\\*", folder_);
    shellFileOp(FO_DELETE, folder_ + "Baze", "");
}

Program::Program(const InPlace& where) : folder_(where.folder), ownsFolder_(false) {
    if (folder_.empty() || folder_.back() != '\\') folder_ += '\\';
}

Program::~Program() {
    kill();
    if (ownsFolder_) shellFileOp(FO_DELETE, folder_.substr(0, folder_.size() - 1), "");
}

void Program::writeFile(const std::string& relative, const std::string& bytes) {
    HANDLE h = CreateFileW(wide(folder_ + relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD w;
    WriteFile(h, bytes.data(), DWORD(bytes.size()), &w, nullptr);
    CloseHandle(h);
}

std::string Program::readFile(const std::string& relative) const {
    HANDLE h = CreateFileW(wide(folder_ + relative).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::string out;
    char buf[65536];
    DWORD got;
    while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got) out.append(buf, got);
    CloseHandle(h);
    return out;
}

bool Program::fileExists(const std::string& relative) const {
    return GetFileAttributesW(wide(folder_ + relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> Program::files(const std::string& pattern) const {
    std::vector<std::string> names;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(wide(folder_ + pattern).c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do names.push_back(narrowText(fd.cFileName));
    while (FindNextFileW(h, &fd));
    FindClose(h);
    return names;
}

void Program::markNotFirstRun() {
    CreateDirectoryA((folder_ + "Baze").c_str(), nullptr);
    CreateDirectoryA((folder_ + "Baze\\Regz").c_str(), nullptr);
    CreateDirectoryA((folder_ + "Baze\\Logz").c_str(), nullptr);
    writeFile("Baze\\Regz\\InitialAstState.reg", "Windows Registry Editor Version 5.00\r\n");
}

HWND Program::startAfterFirstRun(const std::string& settings) {
    writeFile("main.ini", settings);
    markNotFirstRun();
    start();
    return mainWindow();
}

void Program::start() {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    std::wstring exe = wide(folder_ + "quillmere.exe");
    std::wstring cmd = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, wide(folder_).c_str(), &si, &pi_))
        throw std::runtime_error("cannot start quillmere.exe");
    WaitForInputIdle(pi_.hProcess, 10000);
}

DWORD Program::startSecondCopy(int* windowsSeen) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring exe = wide(folder_ + "quillmere.exe");
    std::wstring cmd = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, wide(folder_).c_str(), &si, &pi))
        throw std::runtime_error("cannot start the second copy");
    // Looked for every few milliseconds until it ends: a window that lasts long enough for a
    // person to see is caught.
    std::set<HWND> seen;
    for (DWORD end = GetTickCount() + 10000; GetTickCount() < end;) {
        WindowsOf of{pi.dwProcessId, &seen};
        EnumWindows(collectWindowsOf, LPARAM(&of));
        if (WaitForSingleObject(pi.hProcess, 2) == WAIT_OBJECT_0) break;
    }
    if (windowsSeen) *windowsSeen = int(seen.size());
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(pi.hProcess, &code);
    if (code == STILL_ACTIVE) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

bool Program::running() const {
    DWORD code = 0;
    return pi_.hProcess && GetExitCodeProcess(pi_.hProcess, &code) && code == STILL_ACTIVE;
}

void Program::kill() {
    if (!pi_.hProcess) return;
    if (running()) {
        TerminateProcess(pi_.hProcess, 1);
        WaitForSingleObject(pi_.hProcess, 5000);
    }
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
    pi_ = {};
}

HWND Program::findTopLevel(const char* className, int timeoutMs) {
    std::wstring cls = wide(className);
    DWORD end = GetTickCount() + DWORD(timeoutMs);
    do {
        FindState s{pi_.dwProcessId, cls.c_str()};
        EnumWindows(findTop, LPARAM(&s));
        if (s.found) return s.found;
        pumpSleep(50);
    } while (GetTickCount() < end);
    return nullptr;
}

int Program::countTopLevel(const char* className) const {
    std::wstring cls = wide(className);
    FindState s{pi_.dwProcessId, cls.c_str()};
    EnumWindows(findTop, LPARAM(&s));
    return s.count;
}

HWND Program::mainWindow(int timeoutMs) { return findTopLevel("TMainForm", timeoutMs); }

HWND Program::control(const std::string& name, HWND top) {
    if (!top) top = mainWindow();
    NameSearch s{name};
    EnumChildWindows(top, findNamed, LPARAM(&s));
    if (!s.found) throw std::runtime_error("no control named " + name);
    return s.found;
}

std::string Program::labelText(const std::string& name) {
    HWND top = mainWindow();
    toldLabels.clear();
    askContainer(top, 0);
    EnumChildWindows(top, askContainer, 0);
    for (const DrawnControl& told : toldLabels)
        if (told.name == name) return told.text;
    return {};
}

std::vector<DrawnControl> drawnControls(HWND top) {
    toldLabels.clear();
    askContainer(top, 0);
    EnumChildWindows(top, askContainer, 0);
    return toldLabels;
}

std::string Program::text(HWND h) const {
    wchar_t buf[4096];
    LRESULT n = SendMessageW(h, WM_GETTEXT, 4096, LPARAM(buf));
    return narrowText(std::wstring(buf, size_t(n)));
}

void Program::showPage(int index) {
    HWND tabs = control("MainPageControl");
    for (int i = 0; i < 6; ++i) PostMessageW(tabs, WM_KEYDOWN, VK_LEFT, 0);
    for (int i = 0; i < index; ++i) PostMessageW(tabs, WM_KEYDOWN, VK_RIGHT, 0);
    pumpSleep(300);
}

// Posts the click so that a message box the handler opens does not block the driver.
void Program::click(HWND button) {
    PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), LPARAM(button));
}

MessageBoxSeen Program::waitMessageBox(int timeoutMs) {
    MessageBoxSeen box;
    box.window = findTopLevel("#32770", timeoutMs);
    if (!box.window) return box;
    box.caption = text(box.window);
    if (HWND t = GetDlgItem(box.window, 0xFFFF)) box.text = text(t);
    return box;
}

void Program::answer(const MessageBoxSeen& box, int buttonId) {
    PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), LPARAM(GetDlgItem(box.window, buttonId)));
    for (int i = 0; i < 100 && IsWindow(box.window); ++i) pumpSleep(20);
}

}  // namespace e2e
