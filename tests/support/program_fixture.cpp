#include "tests/support/program_fixture.h"

#include <windows.h>

#include "platform/files.h"
#include "platform/text_codec.h"
#include "toolkit/toolkit_init.h"

namespace qlmr::test {
namespace {

void removeTree(const std::string& path) {
    std::wstring from = widePath(path);   // the program folder may be named outside the code page
    from.push_back(L'\0');
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    SHFileOperationW(&op);
}

}  // namespace

void removeProgramFolderTree(const std::string& relative) { removeTree(programFolder() + relative); }

void prepareStartedFolder() {
    resetProgramFolder();
    writeProgramFile("main.ini", "[Program]\r\nVersionInfo=1.0\r\nShowLangForm=N\r\nLangName=rus.lng\r\nDefaultLang=-1\r\n");
    createFolders(programFolder() + "Baze\\Regz\\");
    createFolders(programFolder() + "Baze\\Logz\\");
    writeProgramFile("Baze\\Regz\\InitialAstState.reg", "Windows Registry Editor Version 5.00\r\n");
}

FileAway::FileAway(std::string relative) : name(std::move(relative)), bytes(readProgramFile(name)) {
    DeleteFileW(widePath(programFolder() + name).c_str());
}

FileAway::~FileAway() { writeProgramFile(name, bytes); }

void resetProgramFolder() {
    removeTree(programFolder() + "Baze");
    DeleteFileW(widePath(programFolder() + "ListOfComponents.ini").c_str());
}

void writeProgramFile(const std::string& relative, const std::string& bytes) {
    writeFileAtomically(programFolder() + relative, bytes);
}

std::string readProgramFile(const std::string& relative) { return readFileBytes(programFolder() + relative); }
bool programFileExists(const std::string& relative) { return fileExists(programFolder() + relative); }

std::vector<std::string> logTexts(const MainForm& form) {
    std::vector<std::string> out;
    for (const std::string& l : form.logPage->LogBox->lines()) out.push_back(l.size() > 22 ? l.substr(22) : l);
    return out;
}

bool logContains(const MainForm& form, const std::string& text) {
    for (const std::string& l : logTexts(form))
        if (l == text) return true;
    return false;
}

ProgramFixture::ProgramFixture(bool passRegedit) : shell(passRegedit) {
    tk::initialise();
    env().shell = &shell;
    form = std::make_unique<MainForm>();
}

ProgramFixture::~ProgramFixture() {
    form.reset();
    env().shell = &systemShell();
}

void ProgramFixture::create() {
    tk::runHandler([this] { form->FormCreate(); });
}

}  // namespace qlmr::test
