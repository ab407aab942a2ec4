#pragma once
// The main window created in the test process, over the program folder the test runs in
// (the build copies the data files beside the test executable).
#include <memory>
#include <string>

#include "base/environment.h"
#include "app/main_form.h"
#include "tests/support/recording_shell.h"
#include "tests/support/scripted_dialogs.h"

namespace qlmr::test {

// Removes Baze\ and other files a previous case left in the program folder.
void resetProgramFolder();
// Writes a text file (bytes as given) into the program folder.
void writeProgramFile(const std::string& relative, const std::string& bytes);
std::string readProgramFile(const std::string& relative);
bool programFileExists(const std::string& relative);
// Lines of the activity log without their prefixes.
void removeProgramFolderTree(const std::string& relative);
// A program folder past its first run, with a main.ini that shows no chooser and names rus.lng.
void prepareStartedFolder();
std::vector<std::string> logTexts(const MainForm& form);
bool logContains(const MainForm& form, const std::string& text);

// Takes a file of the program folder away for one case and puts it back whatever happens.
struct FileAway {
    std::string name, bytes;
    explicit FileAway(std::string relative);
    ~FileAway();
};

struct ProgramFixture {
    ScriptedDialogs dialogs;
    RecordingShell shell;
    std::unique_ptr<MainForm> form;

    explicit ProgramFixture(bool passRegedit = false);
    ~ProgramFixture();
    // Runs FormCreate as the program does, errors shown in the error box.
    void create();
};

}  // namespace qlmr::test
