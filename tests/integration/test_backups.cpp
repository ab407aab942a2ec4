// The backups page and the secure wipe, on the program folder of the tests.
#include <doctest.h>

#include <windows.h>

#include <algorithm>

#include "base/identity.h"
#include "base/last_stamp.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/secure_wipe.h"
#include "platform/wipe_generator.h"
#include "tests/support/config_folder.h"
#include "tests/support/program_fixture.h"

using namespace qlmr;
using namespace qlmr::test;

namespace {

std::vector<std::string> boxItems(const MainForm& f) {
    std::vector<std::string> out;
    for (int i = 0; i < f.backups->BackupBox->count(); ++i) out.push_back(f.backups->BackupBox->item(i));
    std::sort(out.begin(), out.end());
    return out;
}

void choose(MainForm& f, const std::string& name) {
    for (int i = 0; i < f.backups->BackupBox->count(); ++i)
        if (f.backups->BackupBox->item(i) == name) f.backups->BackupBox->setItemIndex(i);
    f.backups->BackupBoxClick();
}

std::string scratchFile(const std::string& name, const std::string& bytes) {
    writeProgramFile("Baze\\Regz\\" + name, bytes);
    return registryFolderPath() + name;
}

}  // namespace

TEST_CASE("listing takes the .reg files, skipping hidden ones, folders and other names") {
    prepareConfigFolder(true);
    scratchFile("Backup of 01.01.2026 10.00.00.reg", "x");
    scratchFile("notes.txt", "x");
    SetFileAttributesA(scratchFile("hidden.reg", "x").c_str(), FILE_ATTRIBUTE_HIDDEN);
    CreateDirectoryA((registryFolderPath() + "folder.reg").c_str(), nullptr);
    ProgramFixture p;
    p.form->backups->BackupSearchClick();
    CHECK(boxItems(*p.form) == std::vector<std::string>{"Backup of 01.01.2026 10.00.00.reg", "InitialAstState.reg"});
    CHECK(logTexts(*p.form) ==
          std::vector<std::string>{"Начало поиска резервных копий", "Конец поиска резервных копий", "Найдено 2 резервных копий"});
    CHECK(p.form->backups->BackupNameTextLb->text() == "Имя");
    CHECK_FALSE(p.form->state.TrueCheckBox);
    RemoveDirectoryA((registryFolderPath() + "folder.reg").c_str());

    resetProgramFolder();
    p.form->backups->BackupSearchClick();
    CHECK(p.form->backups->BackupBox->count() == 0);
    CHECK(logTexts(*p.form).back() == "Найдено 0 резервных копий");
}

TEST_CASE("restore and delete want a chosen backup") {
    prepareConfigFolder(true);
    ProgramFixture p;
    useTestLanguage(*p.form);
    p.form->backups->BackupAddClick();
    CHECK(p.dialogs.last("info") == testMessage("msg1"));
    p.form->backups->BackupDeleteClick();
    CHECK(p.dialogs.last("info") == testMessage("msg4"));
    CHECK(p.shell.calls.empty());
    CHECK(logTexts(*p.form).empty());
}

TEST_CASE("choosing and restoring hands the short path to the editor and logs three lines") {
    prepareConfigFolder(true);
    ProgramFixture p;
    useTestLanguage(*p.form);
    MainForm& f = *p.form;
    f.backups->BackupSearchClick();
    choose(f, "InitialAstState.reg");
    CHECK(f.backups->BackupNameTextLb->text() == "InitialAstState.reg");
    CHECK(f.backups->BackupPathTextlb->text() == registryFolderPath() + "InitialAstState.reg");
    CHECK(f.state.TrueCheckBox);
    f.backups->BackupAddClick();
    CHECK(p.dialogs.last("info") == testMessage("msg2", "InitialAstState.reg"));
    REQUIRE(p.shell.calls.size() == 1);
    const ShellCall& call = p.shell.calls[0];
    CHECK(call.verb == "open");
    CHECK(call.file == "regedit.exe");
    CHECK(call.parameters == "\"" + toShortPath(registryFolderPath() + "InitialAstState.reg") + "\"");
    CHECK(call.folder.empty());
    CHECK(call.show == ShowCommand::Default);
    const auto log = logTexts(f);
    CHECK(std::vector<std::string>(log.end() - 3, log.end()) ==
          std::vector<std::string>{"Реестр восстановлен из резерной копии",
                                   "Ветка: HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services",
                                   "Был использован файл: InitialAstState.reg"});
}

TEST_CASE("a new backup never overwrites a file of the same name") {
    prepareConfigFolder(true);
    ProgramFixture p;
    MainForm& f = *p.form;
    f.logLine("stamp");   // fixes the last stamp
    const std::string stamp = lastStamp();
    const std::string taken = "Backup of " + stamp + ".reg";
    scratchFile(taken, "an earlier backup");
    f.backups->BackupAddNewClick();
    const std::string name = "Backup of " + stamp + " (2).reg";
    REQUIRE(p.shell.calls.size() == 1);
    CHECK(p.shell.calls[0].parameters == "/e \"" + registryFolderPath() + name + "\" \"" + kServicesBranch + "\"");
    CHECK(p.dialogs.last("info") == testMessage("msg3", name));
    CHECK(readFileBytes(registryFolderPath() + taken) == "an earlier backup");
    CHECK(logContains(f, "Скопированна в файл: " + name));
    CHECK(logTexts(f).back().rfind("Найдено ", 0) == 0);   // listed again after the pause
}

TEST_CASE("a new backup whose export cannot start still refreshes the list") {
    prepareConfigFolder(true);
    ProgramFixture p;
    p.shell.result = 0;
    tk::runHandler([&] { p.form->backups->BackupAddNewClick(); });
    CHECK(p.dialogs.count("error") == 1);
    CHECK_FALSE(logContains(*p.form, "Создана резервная копия реестра"));
    CHECK(logTexts(*p.form).back() == "Найдено 1 резервных копий");
}

TEST_CASE("deleting: No keeps the file, wipe removes it, the recycle bin gets the short path") {
    prepareConfigFolder(true);
    const std::string path = scratchFile("old.reg", std::string(5000, 'r'));
    ProgramFixture p;
    useTestLanguage(*p.form);
    MainForm& f = *p.form;
    f.backups->BackupSearchClick();
    choose(f, "old.reg");
    const size_t logged = logTexts(f).size();

    p.dialogs.answers.push_back(tk::Answer::No);
    f.backups->BackupDeleteClick();
    CHECK(p.dialogs.last("question") == testMessage("msg11", "old.reg"));
    CHECK(fileExists(path));
    CHECK(logTexts(f).size() == logged);

    SUBCASE("to the recycle bin") {
        f.backups->RRecycle->setChecked(true);
        f.backups->RWipe->setChecked(false);
        const std::string shortPath = toShortPath(path);
        f.backups->BackupDeleteClick();
        CHECK(p.shell.recycled == std::vector<std::string>{shortPath});
    }
    SUBCASE("wiped") {
        f.backups->BackupDeleteClick();
        CHECK_FALSE(fileExists(path));
        CHECK(p.shell.recycled.empty());
        // The labels keep naming the deleted file; a second delete cannot open it.
        tk::runHandler([&] { f.backups->BackupDeleteClick(); });
        CHECK(p.dialogs.last("error").rfind("Cannot open file \"" + toShortPath(path) + "\".", 0) == 0);
    }
    CHECK(logTexts(f)[logged] == "Был удален файл: old.reg");
    CHECK(logTexts(f).back().rfind("Найдено ", 0) == 0);
}

TEST_CASE("secure wipe: three passes of 4096-byte blocks, each flushed, then the file is gone") {
    prepareConfigFolder(true);
    const std::string path = scratchFile("wipe.bin", std::string(10000, 'A'));
    WipeGenerator generator;   // as at program start
    WipeTrace trace;
    secureWipe(path, generator, &trace);
    CHECK_FALSE(fileExists(path));
    REQUIRE(trace.writes.size() == 3);
    for (const auto& pass : trace.writes) CHECK(pass == std::vector<size_t>{4096, 4096, 1808});
    CHECK(trace.flushes == 3);
    // Every pass draws a fresh block; the first one is the generator's first bytes from 0.
    WipeGenerator fresh;
    for (int pass = 0; pass < 3; ++pass) {
        std::string block(4096, '\0');
        fresh.fill(reinterpret_cast<uint8_t*>(block.data()), block.size());
        CHECK(trace.firstWrite[size_t(pass)] == block);
    }
    CHECK(static_cast<unsigned char>(trace.firstWrite[0][0]) == 0x00);   // state 1: top byte 0
    CHECK(static_cast<unsigned char>(trace.firstWrite[0][1]) == 0x08);   // state 134775814
    CHECK(generator.state() == fresh.state());
}

TEST_CASE("secure wipe of the program: the one generator carries on") {
    prepareConfigFolder(true);
    WipeGenerator expected = WipeGenerator::program();
    uint8_t skip[3 * 4096];
    expected.fill(skip, sizeof skip);
    secureWipe(scratchFile("empty.bin", ""));
    CHECK_FALSE(fileExists(registryFolderPath() + "empty.bin"));
    CHECK(WipeGenerator::program().state() == expected.state());
}

TEST_CASE("secure wipe of an empty file writes nothing, flushes three times and deletes it") {
    prepareConfigFolder(true);
    const std::string path = scratchFile("empty.reg", "");
    WipeGenerator generator;
    WipeTrace trace;
    secureWipe(path, generator, &trace);
    CHECK_FALSE(fileExists(path));
    CHECK(trace.flushes == 3);
    CHECK(trace.writes == std::vector<std::vector<size_t>>(3));
}

TEST_CASE("secure wipe of a file in use: Cannot open file, the file unchanged") {
    prepareConfigFolder(true);
    const std::string path = scratchFile("busy.reg", "still here");
    HANDLE other = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    REQUIRE(other != INVALID_HANDLE_VALUE);
    WipeGenerator generator;
    CHECK_THROWS_WITH(secureWipe(path, generator, nullptr), cannotOpen(path, ERROR_SHARING_VIOLATION).what());
    CloseHandle(other);
    CHECK(readFileBytes(path) == "still here");
    CHECK(generator.state() == 0);
    CHECK_THROWS_WITH(secureWipe(registryFolderPath() + "missing.reg"),
                      cannotOpen(registryFolderPath() + "missing.reg", ERROR_FILE_NOT_FOUND).what());
}
