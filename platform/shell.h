#pragma once
// The shell: starting programs and documents, the recycle bin.
#include <memory>
#include <string>

namespace qlmr {

// A program the shell started, watched without waiting for it.
class WatchedProcess {
public:
    virtual ~WatchedProcess() = default;
    virtual bool exited() = 0;
    virtual unsigned long id() const { return 0; }   // 0 when unknown
};

enum class ShowCommand { Normal = 1, Maximized = 3, Show = 5, Default = 10 };

class Shell {
public:
    virtual ~Shell() = default;
    // ShellExecuteW; returns its result (greater than 32 on success).
    virtual long execute(void* owner, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& folder, ShowCommand show) = 0;
    // ShellExecuteExW with the process handle requested: the same result as execute's, and the
    // started program in `process` (null when the shell gives none, as a shell without it does).
    virtual long executeWatched(void* owner, const std::string& verb, const std::string& file,
                                const std::string& parameters, const std::string& folder, ShowCommand show,
                                std::unique_ptr<WatchedProcess>& process) {
        process.reset();
        return execute(owner, verb, file, parameters, folder, show);
    }
    // SHFileOperationW FO_DELETE with FOF_ALLOWUNDO; true when it returned 0.
    virtual bool moveToRecycleBin(const std::string& path) = 0;
};

Shell& systemShell();

}  // namespace qlmr
