// The journal of imports and the history page, with the real registry editor of the test prefix:
// every kind of import writes its entry, an entry's undo gives back exactly what it changed (after
// a restart too, and of an undo), a declined import's entry, a damaged journal, and the original
// descriptions kept whatever happens to the shipped replacement file.
#include <doctest.h>

#include <windows.h>

#include <map>
#include <optional>

#include "base/log_encoding.h"
#include "base/file_names.h"
#include "base/identity.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "registry/history_page.h"
#include "registry/import_watch.h"
#include "config/journal.h"
#include "tests/support/config_folder.h"
#include "tests/support/program_fixture.h"
#include "tests/support/registry_fixture.h"

using namespace qlmr;
using namespace qlmr::test;

namespace {

std::vector<std::string> catalogueNames() {
    ProgramFixture p;
    return p.form->state.ServiceSysName.items();
}

bool checkReported(MainForm& f) {
    return waitUntil([&] {
        f.PauseWithMessages(20);
        return !f.importWatch->pending();
    }, 15000) && waitForRegistryEditors();
}

using Texts = std::pair<std::optional<std::string>, std::optional<std::string>>;

std::map<std::string, std::optional<unsigned long>> startTypes(const std::vector<std::string>& names) {
    std::map<std::string, std::optional<unsigned long>> out;
    for (const std::string& n : names)
        if (serviceKeyExists(n)) out[n] = serviceDword(n, "Start");
    return out;
}

std::map<std::string, Texts> storedTexts(const std::vector<std::string>& names) {
    std::map<std::string, Texts> out;
    for (const std::string& n : names)
        if (serviceKeyExists(n)) out[n] = {serviceText(n, "Description"), serviceText(n, "DisplayName")};
    return out;
}

std::vector<JournalEntry> journalEntries() { return Journal(programFolder() + kJournalFolder).load().entries; }

// Chooses the entry (newest first on the page) and undoes it, answering Yes.
void undoEntry(ProgramFixture& p, int row) {
    MainForm& f = *p.form;
    f.history->HistoryList->selectRow(row);
    f.history->HistoryUndoClick();
    REQUIRE(checkReported(f));
}

std::string journalFileText(const std::string& name) {
    return regFileText(readFileBytes(programFolder() + kJournalFolder + name), ansiToUtf8);
}

// The shipped replacement file with one text edited, as a newer release would ship it.
void editShippedDescriptions() {
    const std::string path = std::string("Configz\\") + kReplacementDescriptions;
    std::string text = regFileText(readProgramFile(path), ansiToUtf8);
    const std::string from = "Загружает в память файлы для последующей печати.";
    const size_t at = text.find(from);
    REQUIRE(at != std::string::npos);
    text.replace(at, from.size(), "Загружает файлы в память для последующей печати (исправлено).");
    writeProgramFile(path, utf16leWithMark(text));   // as shipped: readable on any code page
}

void deleteProgramFile(const std::string& relative) { DeleteFileW(widePath(programFolder() + relative).c_str()); }

size_t lostBoxes(const ProgramFixture& p) {
    size_t n = 0;
    for (const ShownBox& box : p.dialogs.shown) n += box.text.rfind("Исходные описания не найдены (", 0) == 0;
    return n;
}

}  // namespace

TEST_CASE("journal: every kind of import writes its entry, before-values importable by hand, then its result") {
    const std::vector<std::string> names = catalogueNames();
    ServiceKeysGuard guard(names);
    prepareConfigFolder(true);
    // Spooler without its description: the swap-in's before-values remove it again ("=-").
    HKEY spooler = nullptr;
    REQUIRE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Services\\Spooler", 0, KEY_SET_VALUE,
                          &spooler) == ERROR_SUCCESS);
    RegDeleteValueW(spooler, L"Description");
    RegCloseKey(spooler);
    setServiceDword("wuauserv", "Start", 3);
    ProgramFixture p(true);
    useTestLanguage(*p.form);
    MainForm& f = *p.form;
    f.hidden->RegReadButtonInitialClick();   // a first-run snapshot of the start types, for the undo
    f.backups->BackupAddNewClick();
    REQUIRE(waitForRegistryEditors());
    f.config->TweackedcfClick();
    f.config->ConfigApplyvClick();
    REQUIRE(checkReported(f));
    f.config->ConfigApplyUndoClick();
    REQUIRE(checkReported(f));
    f.config->ChangeDescriptionButtonClick();
    REQUIRE(checkReported(f));
    f.config->ChangeDescriptionBackButtonClick();
    REQUIRE(checkReported(f));
    f.backups->BackupSearchClick();
    for (int i = 0; i < f.backups->BackupBox->count(); ++i)
        if (f.backups->BackupBox->item(i).rfind("Backup of ", 0) == 0) f.backups->BackupBox->setItemIndex(i);
    f.backups->BackupBoxClick();
    f.backups->BackupAddClick();
    REQUIRE(checkReported(f));
    undoEntry(p, 0);

    const std::vector<JournalEntry> entries = journalEntries();
    REQUIRE(entries.size() == 6);
    const char* actions[] = {"apply", "undo", "descriptions-in", "descriptions-back", "restore", "change-undo"};
    const std::string files[] = {"tweaked.html.reg", "InitialAstState.reg", kReplacementDescriptions,
                                 "InitialDescription.reg", f.backups->BackupNameTextLb->text(), "Change 000005.reg"};
    for (size_t i = 0; i < entries.size(); ++i) {
        CAPTURE(i);
        CHECK(entries[i].number == long(i + 1));
        CHECK(entries[i].action == actions[i]);
        CHECK(entries[i].file == files[i]);
        CHECK(entries[i].values > 5);
        CHECK(entries[i].result.kind == JournalResult::Kind::AllMatched);
        CHECK(entries[i].result.total == entries[i].values);
        CHECK(programFileExists(std::string(kJournalFolder) + "Change 00000" + std::to_string(i + 1) + ".reg"));
    }
    // The apply's before-values: wuauserv was on demand.
    const std::string apply = journalFileText("Change 000001.reg");
    CHECK(apply.rfind("Windows Registry Editor Version 5.00\r\n", 0) == 0);
    CHECK(apply.find("[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\wuauserv]\r\n\"Start\"=dword:00000003") !=
          std::string::npos);
    const std::string swapIn = journalFileText("Change 000003.reg");
    const size_t spoolerKey = swapIn.find("[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Spooler]\r\n");
    REQUIRE(spoolerKey != std::string::npos);
    const std::string group = swapIn.substr(spoolerKey, swapIn.find('[', spoolerKey + 1) - spoolerKey);
    CHECK(group.find("\r\n\"Description\"=-\r\n") != std::string::npos);
    const auto log = logTexts(f);
    CHECK(log[log.size() - 3] == "Отменено изменение от " + entries[4].stamp);
    CHECK(log[log.size() - 2] == "Был использован файл: Change 000005.reg");
    // The page: newest first, every column filled.
    REQUIRE(f.history->HistoryList->rows().size() == 6);
    CHECK(f.history->HistoryList->rows()[0][1] == "Отмена изменения");
    CHECK(f.history->HistoryList->rows()[5][2] == "tweaked.html.reg");
    CHECK(f.history->HistoryList->rows()[5][4].rfind("совпали все", 0) == 0);
}

TEST_CASE("journal: after a restart the undo of an apply gives back exactly the values it changed; an undo of that undo") {
    const std::vector<std::string> names = catalogueNames();
    ServiceKeysGuard guard(names);
    prepareConfigFolder(true);
    setServiceDword("wuauserv", "Start", 3);
    setServiceDword("Spooler", "Start", 2);
    const auto before = startTypes(names);
    std::map<std::string, std::optional<unsigned long>> applied;
    {
        ProgramFixture p(true);
        p.form->config->GamingcfClick();
        p.form->config->ConfigApplyvClick();
        REQUIRE(checkReported(*p.form));
        applied = startTypes(names);
        REQUIRE(applied != before);
    }
    setServiceDword("Schedule", "Start", 4);   // changed by someone else after the apply: the undo keeps it
    // The apply's entry says which values it set: the undo puts back those and only those.
    const auto set = Journal(programFolder() + kJournalFolder).valuesOf(1);
    REQUIRE(set);
    bool scheduleSet = false;
    for (const CheckedValue& v : *set) scheduleSet |= v.service == "Schedule" && v.name == "Start";
    auto expected = before;
    if (!scheduleSet) expected["Schedule"] = 4;
    ProgramFixture p(true);
    MainForm& f = *p.form;
    f.FormShow();   // the start-up fills the page from the journal
    REQUIRE(f.history->entries().size() == 1);
    f.history->HistoryList->selectRow(0);
    CHECK(f.history->HistoryValues->rows().size() == size_t(f.history->entries()[0].values));
    undoEntry(p, 0);
    CHECK(p.dialogs.shown.back().caption.find(f.history->entries()[1].stamp) != std::string::npos);
    CHECK(p.dialogs.shown.back().text.find("Изменится:") != std::string::npos);
    CHECK(startTypes(names) == expected);

    undoEntry(p, 0);   // the undo's own entry, newest
    REQUIRE(journalEntries().size() == 3);
    auto reapplied = applied;
    reapplied["Schedule"] = 4;   // as the registry held it just before the first undo
    CHECK(startTypes(names) == reapplied);
}

TEST_CASE("journal: a declined import's entry says nothing changed") {
    const std::vector<std::string> names = catalogueNames();
    ServiceKeysGuard guard(names);
    prepareConfigFolder(true);
    setServiceDword("wuauserv", "Start", 3);
    ProgramFixture p(true);
    p.shell.declineImports = true;
    MainForm& f = *p.form;
    f.config->TweackedcfClick();
    f.config->ConfigApplyvClick();
    REQUIRE(checkReported(f));
    const std::vector<JournalEntry> entries = journalEntries();
    REQUIRE(entries.size() == 1);
    CHECK(entries[0].result.kind == JournalResult::Kind::Declined);
    CHECK(f.history->HistoryList->rows()[0][4] == "отклонён: ничего не изменилось");
}

TEST_CASE("journal: a damaged index line, a foreign file and an entry without its files are skipped, never deleted") {
    const std::vector<std::string> names = catalogueNames();
    ServiceKeysGuard guard(names);
    prepareConfigFolder(true);
    {
        ProgramFixture p(true);
        p.form->config->TweackedcfClick();
        p.form->config->ConfigApplyvClick();
        REQUIRE(checkReported(*p.form));
        p.form->config->GamingcfClick();
        p.form->config->ConfigApplyvClick();
        REQUIRE(checkReported(*p.form));
    }
    const std::string folder = std::string(kJournalFolder);
    const std::string index = readProgramFile(folder + kJournalIndexFile);
    writeProgramFile(folder + kJournalIndexFile, index + "E\t\x01\xff broken\r\n");
    writeProgramFile(folder + "notes.txt", "someone's notes");
    writeProgramFile(folder + "Change 000001.set", "not a registry file");
    ProgramFixture p(true);
    MainForm& f = *p.form;
    f.FormShow();
    REQUIRE(f.history->entries().size() == 2);
    CHECK(logTexts(f).back() == "Журнал изменений: пропущена повреждённая строка 5 файла " + programFolder() + folder +
                                    kJournalIndexFile);
    f.history->HistoryList->selectRow(1);   // the first apply, its .set file spoilt
    CHECK(f.history->HistoryValues->rows().empty());
    CHECK(logTexts(f).back() == "Журнал изменений: запись Change 000001.reg повреждена или не найдена, пропущена");
    const size_t calls = p.shell.calls.size();
    f.history->HistoryUndoClick();
    CHECK(p.shell.calls.size() == calls);
    CHECK(p.dialogs.last("info") == "Запись журнала Change 000001.reg повреждена или не найдена: её значения не прочитаны.");
    // The next import goes on numbering after the entries there are; nothing was removed.
    f.config->CommoncfClick();
    f.config->ConfigApplyvClick();
    REQUIRE(checkReported(f));
    CHECK(journalEntries().back().number == 3);
    CHECK(readProgramFile(folder + "notes.txt") == "someone's notes");
    CHECK(readProgramFile(folder + "Change 000001.set") == "not a registry file");
    CHECK(readProgramFile(folder + kJournalIndexFile).rfind(index + "E\t\x01\xff broken\r\n", 0) == 0);
}

// The shipped file edited or gone, swapped in twice, or a swap-in, two applies and a restart:
// the swap-back brings the texts from before the first swap-in; so does the undo of the swap-in.
TEST_CASE("fault: the original descriptions come back whatever happened to the shipped replacement file") {
    const std::vector<std::string> names = catalogueNames();
    ServiceKeysGuard guard(names);
    prepareConfigFolder(true);
    const auto before = storedTexts(names);
    FileAway keep(std::string("Configz\\") + kReplacementDescriptions);   // puts the shipped file back
    writeProgramFile(keep.name, keep.bytes);
    std::unique_ptr<ProgramFixture> p = std::make_unique<ProgramFixture>(true);
    p->form->config->ChangeDescriptionButtonClick();
    REQUIRE(checkReported(*p->form));
    REQUIRE(serviceText("Spooler", "Description") == "Загружает в память файлы для последующей печати.");
    bool byUndo = false;
    SUBCASE("the file changed, then a preset") {
        editShippedDescriptions();
        p->form->config->TweackedcfClick();
        p->form->config->ConfigApplyvClick();
        REQUIRE(checkReported(*p->form));
    }
    SUBCASE("the file missing, then a preset") {
        deleteProgramFile(keep.name);
        p->form->config->TweackedcfClick();
        p->form->config->ConfigApplyvClick();
        REQUIRE(checkReported(*p->form));
    }
    SUBCASE("the file changed and swapped in again") {
        editShippedDescriptions();
        p->form->config->ChangeDescriptionButtonClick();
        REQUIRE(checkReported(*p->form));
        CHECK(serviceText("Spooler", "Description") == "Загружает файлы в память для последующей печати (исправлено).");
    }
    SUBCASE("two applies and a restart, the file changed") {
        p->form->config->TweackedcfClick();
        p->form->config->ConfigApplyvClick();
        REQUIRE(checkReported(*p->form));
        p->form->config->GamingcfClick();
        p->form->config->ConfigApplyvClick();
        REQUIRE(checkReported(*p->form));
        p.reset();
        editShippedDescriptions();
        p = std::make_unique<ProgramFixture>(true);
        p->form->FormShow();
        p->form->config->CommoncfClick();
        p->form->config->ConfigApplyvClick();   // a snapshot after the restart
        REQUIRE(checkReported(*p->form));
    }
    SUBCASE("the undo of the swap-in after the file changed") {
        editShippedDescriptions();
        p->form->FormShow();
        undoEntry(*p, 0);
        byUndo = true;
    }
    if (!byUndo) {
        p->form->config->ChangeDescriptionBackButtonClick();
        REQUIRE(checkReported(*p->form));
        CHECK(lostBoxes(*p) == 0);
    }
    CHECK(storedTexts(names) == before);
}

TEST_CASE("fault: with the snapshot and the journal deleted by hand, the swap-back says the originals are lost") {
    const std::vector<std::string> names = catalogueNames();
    ServiceKeysGuard guard(names);
    prepareConfigFolder(true);
    ProgramFixture p(true);
    MainForm& f = *p.form;
    f.config->ChangeDescriptionButtonClick();
    REQUIRE(checkReported(f));
    removeProgramFolderTree(kJournalFolder);
    deleteProgramFile(std::string(kRegistryFolder) + "InitialDescription.reg");
    f.config->ChangeDescriptionBackButtonClick();
    REQUIRE(checkReported(f));
    const auto log = logTexts(f);
    bool told = false;
    for (const std::string& line : log) told |= line.rfind("Исходные описания не найдены для ", 0) == 0;
    CHECK(told);
    CHECK(lostBoxes(p) == 1);
}
