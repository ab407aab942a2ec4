#include "platform/shell.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/text_codec.h"
#include "toolkit/late_bound.h"

namespace qlmr {
namespace {

class ProcessHandle : public WatchedProcess {
public:
    explicit ProcessHandle(HANDLE h) : handle_(h) {}
    ~ProcessHandle() override { CloseHandle(handle_); }
    bool exited() override { return WaitForSingleObject(handle_, 0) != WAIT_TIMEOUT; }
    unsigned long id() const override {
        static const auto processId = tk::lateBound<DWORD(WINAPI*)(HANDLE)>("kernel32.dll", "GetProcessId");   // XP SP1
        return processId ? processId(handle_) : 0;
    }

private:
    HANDLE handle_;
};

class SystemShell : public Shell {
public:
    long execute(void* owner, const std::string& verb, const std::string& file, const std::string& parameters,
                 const std::string& folder, ShowCommand show) override {
        static const auto shellExecute = tk::lateBound<decltype(&ShellExecuteW)>("shell32.dll", "ShellExecuteW");
        if (!shellExecute) {
            SetLastError(ERROR_PROC_NOT_FOUND);
            return SE_ERR_DLLNOTFOUND;
        }
        // Wide: paths and parameters may hold letters outside the ANSI code page.
        const std::wstring v = widePath(verb), f = widePath(file), p = widePath(parameters), d = widePath(folder);
        HINSTANCE r = shellExecute(static_cast<HWND>(owner), v.empty() ? nullptr : v.c_str(), f.c_str(),
                                   p.empty() ? nullptr : p.c_str(), d.empty() ? nullptr : d.c_str(), int(show));
        return long(reinterpret_cast<intptr_t>(r));
    }

    long executeWatched(void* owner, const std::string& verb, const std::string& file, const std::string& parameters,
                        const std::string& folder, ShowCommand show, std::unique_ptr<WatchedProcess>& process) override {
        process.reset();
        static const auto shellExecuteEx =
            tk::lateBound<decltype(&ShellExecuteExW)>("shell32.dll", "ShellExecuteExW");
        if (!shellExecuteEx) {
            SetLastError(ERROR_PROC_NOT_FOUND);
            return SE_ERR_DLLNOTFOUND;
        }
        const std::wstring v = widePath(verb), f = widePath(file), p = widePath(parameters), d = widePath(folder);
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_NOCLOSEPROCESS;
        info.hwnd = static_cast<HWND>(owner);
        info.lpVerb = v.empty() ? nullptr : v.c_str();
        info.lpFile = f.c_str();
        info.lpParameters = p.empty() ? nullptr : p.c_str();
        info.lpDirectory = d.empty() ? nullptr : d.c_str();
        info.nShow = int(show);
        const bool started = shellExecuteEx(&info);
        if (info.hProcess) process = std::make_unique<ProcessHandle>(info.hProcess);
        const long result = long(reinterpret_cast<intptr_t>(info.hInstApp));
        // The extended call tells failure by its return; its hInstApp may then be left above 32.
        if (!started) return result > 32 || result == 0 ? SE_ERR_NOASSOC : result;
        return result > 32 ? result : 42;
    }

    bool moveToRecycleBin(const std::string& path) override {
        std::wstring from = widePath(path);
        from.push_back(L'\0');   // a list of one name ends with a second zero
        SHFILEOPSTRUCTW op{};
        op.wFunc = FO_DELETE;
        op.pFrom = from.c_str();
        op.fFlags = FOF_ALLOWUNDO;
        static const auto fileOperation =
            tk::lateBound<decltype(&SHFileOperationW)>("shell32.dll", "SHFileOperationW");
        return fileOperation && fileOperation(&op) == 0;
    }
};

}  // namespace

Shell& systemShell() {
    static SystemShell shell;
    return shell;
}

}  // namespace qlmr
