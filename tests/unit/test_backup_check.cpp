// A backup read back against the branch, a file with nothing to import, and the order in
// which the checks after the editor are reported.
#include <doctest.h>

#include <string>
#include <vector>

#include "config/empty_import.h"
#include "config/reg_file.h"
#include "registry/backup_check.h"
#include "registry/check_order.h"

using namespace qlmr;

namespace {

const std::vector<BranchKey> kBranch = {
    {"SYSTEM\\CurrentControlSet\\Services", {}},
    {"SYSTEM\\CurrentControlSet\\Services\\Spooler", {"Start", "Type", "DisplayName", ""}},
    {"SYSTEM\\CurrentControlSet\\Services\\Spooler\\Security", {"Security"}},
    {"SYSTEM\\CurrentControlSet\\Services\\Winmgmt", {"Start"}},
};

// The branch as the editor exports it, cut after `keep` characters when given.
std::string exported() {
    return "Windows Registry Editor Version 5.00\r\n\r\n"
           "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services]\r\n\r\n"
           "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Spooler]\r\n"
           "\"Start\"=dword:00000002\r\n\"type\"=dword:00000110\r\n@=\"x\"\r\n"
           "\"DisplayName\"=\"Print Spooler\"\r\n\r\n"
           "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Spooler\\Security]\r\n"
           "\"Security\"=hex:01,00,14,80,\\\r\n  90,00\r\n\r\n"
           "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\services\\winmgmt]\r\n"
           "\"Start\"=dword:00000002\r\n\r\n";
}

struct Ended : WatchedProcess {
    bool* ended;
    explicit Ended(bool* e) : ended(e) {}
    bool exited() override { return *ended; }
};

}  // namespace

TEST_CASE("backup check: a whole export is told with its counts, a cut or missing one with what it lacks") {
    const std::string whole = exported();
    const BackupCoverage all = backupCoverage(kBranch, whole);
    CHECK(all.complete());
    CHECK(backupCheckLines("Backup of x.reg", all, std::nullopt) ==
          std::vector<std::string>{"Резервная копия проверена: Backup of x.reg, разделов: 4, значений: 6"});
    CHECK_FALSE(isCutOffBranchExport(whole));

    // Cut inside the Security value's continuation, as a full disk leaves it.
    const std::string cut = whole.substr(0, whole.find("  90,00") + 3);
    const BackupCoverage part = backupCoverage(kBranch, cut);
    CHECK_FALSE(part.complete());
    CHECK(part.cutOff);
    CHECK(part.missingKeys == 1);
    CHECK(part.missingValues == 1);
    CHECK(part.firstMissing == "SYSTEM\\CurrentControlSet\\Services\\Winmgmt");
    CHECK(isCutOffBranchExport(cut));
    const std::vector<std::string> lines = backupCheckLines("Backup of x.reg", part, std::nullopt);
    REQUIRE(lines.size() == 2);
    CHECK(lines[0] == "Резервная копия не создана или неполна: Backup of x.reg");
    CHECK(lines[1] == "В файле нет разделов: 1 из 4, значений: 1 из 6; первый недостающий: "
                      "SYSTEM\\CurrentControlSet\\Services\\Winmgmt; файл обрывается на середине строки");

    // A value the branch has and the file lacks, at a line end: no cut, still incomplete.
    std::vector<BranchKey> more = kBranch;
    more[3].valueNames.push_back("ImagePath");
    const BackupCoverage lacking = backupCoverage(more, whole);
    CHECK_FALSE(lacking.complete());
    CHECK(lacking.firstMissing == "SYSTEM\\CurrentControlSet\\Services\\Winmgmt\\ImagePath");

    for (const std::string& text : {std::string(), std::string("\x13\x99garbage"), std::string("just text\r\n")})
        CHECK(backupCoverage(kBranch, text).missingKeys == 4);
    CHECK(backupCheckLines("b.reg", {}, std::string("Файл не найден: C:\\b.reg")) ==
          std::vector<std::string>{"Резервная копия не создана или неполна: b.reg", "Файл не найден: C:\\b.reg"});
    // A snapshot is no export of the branch: cut or not, it is not told as one.
    CHECK_FALSE(isCutOffBranchExport("Windows Registry Editor Version 5.00\r\n[HKEY_LOCAL_MACHINE\\SYSTEM\\"
                                     "CurrentControlSet\\Services\\Spooler]\r\n\"Start\"=dword:0000"));
}

TEST_CASE("empty import: a file in which the reader finds no value is named, a deletion counts as content") {
    for (const std::string& text : {std::string(), std::string("\x01\xFE\x7F random"), std::string("notes\r\nmore\r\n"),
                                   std::string("Windows Registry Editor Version 5.00\r\n\r\n"),
                                   std::string("REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SYSTEM\\X]\r\n")})
        CHECK_FALSE(holdsRegistryValues(parseRegFile(text)));
    CHECK(holdsRegistryValues(parseRegFile("REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SYSTEM\\X]\r\n\"A\"=-\r\n")));
    CHECK(holdsRegistryValues(parseRegFile("REGEDIT4\r\n[-HKEY_LOCAL_MACHINE\\SYSTEM\\X]\r\n")));
    CHECK(noRegistryValuesLine("gaming.html.reg") == "В файле gaming.html.reg нет значений реестра");
}

TEST_CASE("check order: every check is reported, in the order started, each read when its program ends") {
    bool firstEnded = false, secondEnded = false;
    std::vector<std::string> events;
    CheckOrder order;
    auto finishing = [&](std::string name) {
        return [&events, name]() -> CheckOrder::Report {
            events.push_back("read " + name);
            return [&events, name] { events.push_back("report " + name); };
        };
    };
    order.add(std::make_unique<Ended>(&firstEnded), finishing("first"));
    order.add(std::make_unique<Ended>(&secondEnded), finishing("second"));
    auto drain = [&] {
        order.finishEnded();
        while (const CheckOrder::Report r = order.takeNext()) r();
    };
    secondEnded = true;   // the later editor ends first: it is read now, reported after the first
    drain();
    CHECK(events == std::vector<std::string>{"read second"});
    firstEnded = true;
    drain();
    CHECK(events == std::vector<std::string>{"read second", "read first", "report first", "report second"});
    CHECK(order.empty());
}
