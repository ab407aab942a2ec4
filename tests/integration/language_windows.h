#pragma once
// The three windows of the program in the test process, over a program folder past its first
// run, with helpers for language files of the tests' own.
#include <memory>
#include <string>

#include <windows.h>

#include "about/about_form.h"
#include "base/identity.h"
#include "lang/lang_form.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "tests/support/program_fixture.h"

namespace qlmr::test {

inline const char* kRussianSettings =
    "[Program]\r\nVersionInfo=1.0\r\nDateRelease=08.12.2026\r\nShowLangForm=N\r\nLangName=rus.lng\r\n"
    "DefaultLang=-1\r\n";

inline void prepareLanguageFolder(const std::string& settings = kRussianSettings) {
    resetProgramFolder();
    writeProgramFile("main.ini", settings);
    createFolders(programFolder() + kRegistryFolder);
    writeProgramFile("Baze\\Regz\\InitialAstState.reg", "Windows Registry Editor Version 5.00\r\n");
}

// Main window (started), chooser and about window, created in the program's order.
struct ThreeWindows {
    ProgramFixture p;
    std::unique_ptr<LangForm> lang;
    std::unique_ptr<AboutForm> about;

    ThreeWindows() {
        p.create();
        lang = std::make_unique<LangForm>();
        about = std::make_unique<AboutForm>();
        p.form->langForm = lang.get();
        p.form->aboutForm = about.get();
    }
    ~ThreeWindows() {
        p.form->langForm = nullptr;
        p.form->aboutForm = nullptr;
    }
    MainForm& main() { return *p.form; }
};

// A file in the program folder for the length of a test case.
struct TemporaryFile {
    std::string relative;
    TemporaryFile(std::string rel, const std::string& bytes) : relative(std::move(rel)) {
        writeProgramFile(relative, bytes);
    }
    ~TemporaryFile() { DeleteFileA(utf8ToAnsi(path()).c_str()); }
    std::string path() const { return programFolder() + relative; }
};

// Position of a file name in a list of file names, -1 when it is not there.
template <class List>
int positionOf(const List& names, const std::string& name) {
    for (int i = 0; i < names.count(); ++i)
        if (names.item(i) == name) return i;
    return -1;
}

}  // namespace qlmr::test
