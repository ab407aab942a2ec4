#include "platform/shell.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/text_codec.h"
#include "toolkit/late_bound.h"

namespace qlmr {
namespace {

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
