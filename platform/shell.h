#pragma once
// The shell: starting programs and documents, the recycle bin.
#include <string>

namespace qlmr {

enum class ShowCommand { Normal = 1, Maximized = 3, Show = 5, Default = 10 };

class Shell {
public:
    virtual ~Shell() = default;
    // ShellExecuteW; returns its result (greater than 32 on success).
    virtual long execute(void* owner, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& folder, ShowCommand show) = 0;
    // SHFileOperationW FO_DELETE with FOF_ALLOWUNDO; true when it returned 0.
    virtual bool moveToRecycleBin(const std::string& path) = 0;
};

Shell& systemShell();

}  // namespace qlmr
