#include "platform/process_snapshot.h"

#include <windows.h>
#include <tlhelp32.h>

#include "platform/text_codec.h"

namespace qlmr {
namespace {

using CreateSnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
using Process32WFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32W*);

template <class Fn>
Fn kernelFunction(const char* name) {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    return kernel ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(kernel, name))) : nullptr;
}

class HeldProcess : public WatchedProcess {
public:
    HeldProcess(HANDLE h, unsigned long id) : handle_(h), id_(id) {}
    ~HeldProcess() override { CloseHandle(handle_); }
    bool exited() override { return WaitForSingleObject(handle_, 0) != WAIT_TIMEOUT; }
    unsigned long id() const override { return id_; }

private:
    HANDLE handle_;
    unsigned long id_;
};

}  // namespace

std::vector<ProcessEntry> runningProcesses() {
    // Resolved by name, as the process page does: not every kernel32 of the NT family has them.
    static const auto createSnapshot = kernelFunction<CreateSnapshotFn>("CreateToolhelp32Snapshot");
    static const auto first = kernelFunction<Process32WFn>("Process32FirstW");
    static const auto next = kernelFunction<Process32WFn>("Process32NextW");
    std::vector<ProcessEntry> processes;
    if (!createSnapshot || !first || !next) return processes;
    HANDLE snapshot = createSnapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return processes;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (bool more = first(snapshot, &entry); more; more = next(snapshot, &entry)) {
        entry.szExeFile[MAX_PATH - 1] = L'\0';
        processes.push_back({entry.th32ProcessID, entry.th32ParentProcessID, fromWide(entry.szExeFile)});
    }
    CloseHandle(snapshot);
    return processes;
}

std::unique_ptr<WatchedProcess> openWatchedProcess(unsigned long id) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
    if (!process) return nullptr;
    return std::make_unique<HeldProcess>(process, id);
}

}  // namespace qlmr
