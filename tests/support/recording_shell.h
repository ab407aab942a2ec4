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
    long executeWatched(void* owner, const std::string& verb, const std::string& file, const std::string& parameters,
                        const std::string& folder, ShowCommand show, std::unique_ptr<WatchedProcess>& process) override {
        process.reset();
        if (!passRegedit_ || file != "regedit.exe") return execute(owner, verb, file, parameters, folder, show);
        calls.push_back({verb, file, parameters, folder, show});
        if (declineImports) return systemShell().executeWatched(owner, "open", "cmd.exe", "/c exit", "", show, process);
        if (!editorLauncher.empty())
            return systemShell().executeWatched(owner, "open", editorLauncher,
                                                std::to_string(launcherDelayMs) + " " + file + " " + parameters, folder,
                                                show, process);
        return systemShell().executeWatched(owner, verb, file, parameters, folder, show, process);
    }
    // The editor's place taken by a program that exits at once: a user's No to its question.
    bool declineImports = false;
    // The editor started by a launcher that ends at once (as on 64-bit Windows), after a delay.
    std::string editorLauncher;
    unsigned long launcherDelayMs = 0;
    bool moveToRecycleBin(const std::string& path) override {
        recycled.push_back(path);
        return true;
    }

private:
    bool passRegedit_;
};

}  // namespace qlmr::test
