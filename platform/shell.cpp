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

private:
    HANDLE handle_;
};

class SystemShell : public Shell {
public:
    long execute(void* owner, const std::string& verb, const std::string& file, const std::string& parameters,
                 const std::string& folder, ShowCommand show) override {
        static const auto shellExecute = tk::lateBound<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA");
        if (!shellExecute) {
            SetLastError(ERROR_PROC_NOT_FOUND);
            return SE_ERR_DLLNOTFOUND;
        }
        std::string p = utf8ToAnsi(parameters), d = utf8ToAnsi(folder);
        HINSTANCE r = shellExecute(static_cast<HWND>(owner), verb.empty() ? nullptr : utf8ToAnsi(verb).c_str(),
                                    utf8ToAnsi(file).c_str(), p.empty() ? nullptr : p.c_str(),
                                    d.empty() ? nullptr : d.c_str(), int(show));
        return long(reinterpret_cast<intptr_t>(r));
    }

    long executeWatched(void* owner, const std::string& verb, const std::string& file, const std::string& parameters,
                        const std::string& folder, ShowCommand show, std::unique_ptr<WatchedProcess>& process) override {
        process.reset();
        static const auto shellExecuteEx =
            tk::lateBound<decltype(&ShellExecuteExA)>("shell32.dll", "ShellExecuteExA");
        if (!shellExecuteEx) {
            SetLastError(ERROR_PROC_NOT_FOUND);
            return SE_ERR_DLLNOTFOUND;
        }
        const std::string v = utf8ToAnsi(verb), f = utf8ToAnsi(file), p = utf8ToAnsi(parameters),
                          d = utf8ToAnsi(folder);
        SHELLEXECUTEINFOA info{};
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
        std::string from = utf8ToAnsi(path);
        from.push_back('\0');   // a list of one name ends with a second zero
        SHFILEOPSTRUCTA op{};
        op.wFunc = FO_DELETE;
        op.pFrom = from.c_str();
        op.fFlags = FOF_ALLOWUNDO;
        static const auto fileOperation =
            tk::lateBound<decltype(&SHFileOperationA)>("shell32.dll", "SHFileOperationA");
        return fileOperation && fileOperation(&op) == 0;
    }
};

}  // namespace

Shell& systemShell() {
    static SystemShell shell;
    return shell;
}

}  // namespace qlmr
