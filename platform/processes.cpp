#include "platform/processes.h"

#include <windows.h>
#include <tlhelp32.h>

#include "platform/process_image_name.h"
#include "platform/text_codec.h"

namespace qlmr {
namespace {

constexpr DWORD kProcessAccess = PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;   // 0x410
constexpr DWORD kModulePathLength = 300;
constexpr unsigned long kFirstIdCount = 1024;
constexpr unsigned long kMostIds = 1UL << 20;   // a query that never leaves room must still end

using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
using EnumProcessModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
using GetModuleFileNameExWFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);
using CreateSnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
using Process32Fn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);

// PSAPI.dll is not there on every system of the family, so it is bound at run time, once.
struct Psapi {
    EnumProcessesFn enumProcesses = nullptr;
    EnumProcessModulesFn enumProcessModules = nullptr;
    GetModuleFileNameExWFn moduleFileName = nullptr;
    bool usable() const { return enumProcesses && enumProcessModules && moduleFileName; }
};

const Psapi& psapi() {
    static const Psapi bound = [] {
        Psapi p;
        if (HMODULE lib = LoadLibraryA("PSAPI.dll")) {
            p.enumProcesses = reinterpret_cast<EnumProcessesFn>(GetProcAddress(lib, "EnumProcesses"));
            p.enumProcessModules = reinterpret_cast<EnumProcessModulesFn>(GetProcAddress(lib, "EnumProcessModules"));
            p.moduleFileName = reinterpret_cast<GetModuleFileNameExWFn>(GetProcAddress(lib, "GetModuleFileNameExW"));
        }
        return p;
    }();
    return bound;
}

// The tool-help functions are missing from NT 4's kernel32, hence resolved by name.
struct ToolHelp {
    CreateSnapshotFn createSnapshot = nullptr;
    Process32Fn first = nullptr;
    Process32Fn next = nullptr;
    bool usable() const { return createSnapshot && first && next; }
};

const ToolHelp& toolHelp() {
    static const ToolHelp bound = [] {
        ToolHelp t;
        if (HMODULE kernel = GetModuleHandleA("kernel32.dll")) {
            t.createSnapshot = reinterpret_cast<CreateSnapshotFn>(GetProcAddress(kernel, "CreateToolhelp32Snapshot"));
            t.first = reinterpret_cast<Process32Fn>(GetProcAddress(kernel, "Process32First"));
            t.next = reinterpret_cast<Process32Fn>(GetProcAddress(kernel, "Process32Next"));
        }
        return t;
    }();
    return bound;
}

// Text up to the first NUL, at most limit characters.
std::string boundedText(const char* text, size_t limit) {
    size_t n = 0;
    while (n < limit && text[n]) ++n;
    return std::string(text, n);
}

// The main module's path, or nothing when the process cannot be opened or read.
bool mainModulePath(const Psapi& api, DWORD id, std::string& path) {
    HANDLE process = OpenProcess(kProcessAccess, FALSE, id);
    if (!process) return false;
    HMODULE module = nullptr;
    DWORD needed = 0;
    wchar_t buffer[kModulePathLength + 1] = {};   // wide: a folder may be named outside the code page
    bool read = api.enumProcessModules(process, &module, sizeof module, &needed) &&
                api.moduleFileName(process, module, buffer, kModulePathLength + 1) > 0;
    CloseHandle(process);
    if (read) {
        size_t n = 0;
        while (n < kModulePathLength && buffer[n]) ++n;
        path = fromWide(std::wstring_view(buffer, n));
    }
    return read;
}

}  // namespace

unsigned long platformFamily() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;   // 148
    if (!GetVersionExA(&info)) return 0;
    return info.dwPlatformId;
}

std::vector<unsigned long> collectProcessIds(const ProcessIdQuery& query) {
    for (unsigned long count = kFirstIdCount; count <= kMostIds; count *= 2) {
        std::vector<unsigned long> ids(count);
        unsigned long bytes = count * sizeof(unsigned long);
        unsigned long written = 0;
        if (!query(ids.data(), bytes, &written)) return {};
        if (written < bytes || count == kMostIds) {
            ids.resize(written / sizeof(unsigned long));
            return ids;
        }
    }
    return {};
}

void ListProcessesNT(std::vector<std::string>& lines) {
    const Psapi& api = psapi();
    if (!api.usable()) return;
    const auto ids = collectProcessIds([&](unsigned long* ids, unsigned long bytes, unsigned long* written) {
        DWORD got = 0;
        bool ok = api.enumProcesses(reinterpret_cast<DWORD*>(ids), bytes, &got);
        *written = got;
        return ok;
    });
    // Where the system names a process by the limited right (Vista and later), that comes
    // first: psapi cannot read a 64-bit process's modules from this 32-bit program. Processes
    // that neither way names are left out: every line of the page holds a path.
    for (unsigned long id : ids) {
        std::string path;
        if (fullImagePath(id, kModulePathLength, path) || mainModulePath(api, id, path)) lines.push_back(path);
    }
}

void ListProcesses9x(std::vector<std::string>& lines) {
    const ToolHelp& api = toolHelp();
    if (!api.usable()) return;
    HANDLE snapshot = api.createSnapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    static_assert(sizeof(void*) != 4 || sizeof(PROCESSENTRY32) == 296, "the ANSI entry");
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;   // 296 in a 32-bit build
    for (bool more = api.first(snapshot, &entry); more; more = api.next(snapshot, &entry))
        lines.push_back(ansiToUtf8(boundedText(entry.szExeFile, MAX_PATH)));
    CloseHandle(snapshot);
}

void ListProcesses(std::vector<std::string>* lines) {
    if (!lines) return;
    switch (platformFamily()) {
    case VER_PLATFORM_WIN32_WINDOWS: ListProcesses9x(*lines); break;
    case VER_PLATFORM_WIN32_NT: ListProcessesNT(*lines); break;
    default: break;
    }
}

}  // namespace qlmr
