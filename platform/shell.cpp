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
