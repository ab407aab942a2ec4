#pragma once
// A shell that records what it was asked to open; regedit calls can be passed to the real shell.
#include <string>
#include <vector>

#include "platform/shell.h"

namespace qlmr::test {

struct ShellCall {
    std::string verb, file, parameters, folder;
    ShowCommand show;
};

class RecordingShell : public Shell {
public:
    explicit RecordingShell(bool passRegedit = false) : passRegedit_(passRegedit) {}
    std::vector<ShellCall> calls;
    std::vector<std::string> recycled;
    long result = 42;

    long execute(void* owner, const std::string& verb, const std::string& file, const std::string& parameters,
                 const std::string& folder, ShowCommand show) override {
        calls.push_back({verb, file, parameters, folder, show});
        if (passRegedit_ && file == "regedit.exe")
            return systemShell().execute(owner, verb, file, parameters, folder, show);
        return result;
    }
    bool moveToRecycleBin(const std::string& path) override {
        recycled.push_back(path);
        return true;
    }

private:
    bool passRegedit_;
};

}  // namespace qlmr::test
