// The page of every installed service against the real Service Control Manager, registry and
// registry editor of the test prefix, with services the test installs itself.
#include <doctest.h>

#include <windows.h>

#include <set>

#include "base/identity.h"
#include "platform/files.h"
#include "registry/import_watch.h"
#include "services/all_services_page.h"
#include "tests/support/created_service.h"
#include "tests/support/program_fixture.h"
#include "tests/support/registry_fixture.h"
#include "toolkit/text.h"

using namespace qlmr;
using namespace qlmr::test;

namespace {

// What the manager lists, asked here in the narrow form the page does not use.
std::set<std::string> managerServices() {
    std::set<std::string> names;
    SC_HANDLE m = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ENUMERATE_SERVICE);
    std::vector<BYTE> buf(256 * 1024);
    DWORD needed = 0, count = 0, resume = 0;
    EnumServicesStatusA(m, SERVICE_WIN32, SERVICE_STATE_ALL, reinterpret_cast<ENUM_SERVICE_STATUSA*>(buf.data()),
                        DWORD(buf.size()), &needed, &count, &resume);
    for (DWORD i = 0; i < count; ++i) names.insert(reinterpret_cast<ENUM_SERVICE_STATUSA*>(buf.data())[i].lpServiceName);
    CloseServiceHandle(m);
    return names;
}

const ServiceEntry* rowOf(const AllServicesPage& page, const std::string& name) {
    const int at = rowOfService(page.rows(), name);
    return at >= 0 ? &page.rows()[size_t(at)] : nullptr;
}

// The shown row's cells, as the list draws them.
std::vector<std::string> cellsOf(const AllServicesPage& page, const std::string& name) {
    for (size_t i = 0; i < page.shownRows().size(); ++i) {
        if (page.rows()[page.shownRows()[i]].systemName != name) continue;
        std::vector<std::string> cells;
        for (int c = 0; c < kServiceColumns; ++c) cells.push_back(page.cellText(int(i), c));
        return cells;
    }
    return {};
}

void chooseStartType(AllServicesPage& page, const std::string& name, int choice) {
    REQUIRE(page.select(name));
    page.StartTypeCombo->setItemIndex(choice);
    page.StartTypeApplyClick();
}

constexpr int kAuto = 0, kManual = 1, kDisabled = 2;

}  // namespace

TEST_CASE("all services: every Win32 service once, with the manager's state and the key's start type") {
    CreatedService a({"QlmrAllAuto", "Qlmr все: авто", SERVICE_AUTO_START, 1, {}});
    CreatedService b({"QlmrAllManual", "Qlmr все: вручную", SERVICE_DEMAND_START, 1, {}});
    CreatedService c({"QlmrAllOff", "Qlmr все: отключена", SERVICE_DISABLED, 1, {}});
    ProgramFixture p;
    AllServicesPage& page = *p.form->allServices;
    page.AllServicesRefreshClick();

    std::set<std::string> listed;
    for (const ServiceEntry& e : page.rows()) CHECK(listed.insert(e.systemName).second);
    CHECK(listed == managerServices());
    CHECK(page.shownRows().size() == page.rows().size());
    CHECK(cellsOf(page, "QlmrAllAuto") == std::vector<std::string>{"Qlmr все: авто", "QlmrAllAuto", "Остановлена", "Авто", ""});
    CHECK(cellsOf(page, "QlmrAllManual")[3] == "Вручную");
    CHECK(cellsOf(page, "QlmrAllOff")[3] == "Отключена");
    for (const ServiceEntry& e : page.rows()) {
        CAPTURE(e.systemName);
        SERVICE_STATUS status{};
        SC_HANDLE m = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
        SC_HANDLE s = OpenServiceA(m, e.systemName.c_str(), SERVICE_QUERY_STATUS);
        if (s && QueryServiceStatus(s, &status)) CHECK(e.state == status.dwCurrentState);
        if (s) CloseServiceHandle(s);
        CloseServiceHandle(m);
        CHECK(e.hasStart == serviceDword(e.systemName, "Start").has_value());
        if (e.hasStart) CHECK(e.start == *serviceDword(e.systemName, "Start"));
    }
    // Catalogue services carry their number; the search narrows as the user types.
    const ServiceEntry* spooler = rowOf(page, "Spooler");
    REQUIRE(spooler);
    CHECK(spooler->catalogueNumber > 0);
    page.AllServicesSearch->setText("qlmr ВСЕ");
    page.AllServicesSearchChange();
    CHECK(page.shownRows().size() == 3);
    page.AllServicesSearch->setText("QLMRALLOFF");
    page.AllServicesSearchChange();
    CHECK(page.shownRows().size() == 1);
}

TEST_CASE("all services: one service's start type through the editor, logged, checked and shown") {
    resetProgramFolder();
    CreatedService s({"QlmrAllChange", "Qlmr смена типа", SERVICE_DEMAND_START, 1, {}});
    ProgramFixture p(true);
    MainForm& f = *p.form;
    AllServicesPage& page = *f.allServices;
    page.AllServicesRefreshClick();
    chooseStartType(page, "QlmrAllChange", kDisabled);
    REQUIRE(p.dialogs.count("question") == 1);
    CHECK(p.dialogs.last("question") == "Изменить тип запуска службы Qlmr смена типа: Вручную → Отключена?");
    CHECK(p.dialogs.shown.back().caption == kWindowTitle);
    REQUIRE(waitUntil([&] {
        f.PauseWithMessages(20);
        return !f.importWatch->pending();
    }, 10000));
    CHECK(serviceDword("QlmrAllChange", "Start") == 4ul);
    CHECK(programFileExists(std::string(kImportFolder) + "Start type of QlmrAllChange.reg"));
    const std::vector<std::string> log = logTexts(f);
    REQUIRE(log.size() >= 3);
    CHECK(log[log.size() - 3] == "Тип запуска службы Qlmr смена типа изменён: Вручную → Отключена");
    CHECK(log[log.size() - 2] == "Был использован файл: Start type of QlmrAllChange.reg");
    CHECK(log.back() == "Проверка импорта: 1 из 1 значения совпадает с файлом Start type of QlmrAllChange.reg");
    CHECK(cellsOf(page, "QlmrAllChange")[3] == "Отключена");

    // The same type again asks nothing and writes nothing.
    chooseStartType(page, "QlmrAllChange", kDisabled);
    CHECK(p.dialogs.count("question") == 1);
    CHECK(p.dialogs.last("info") == "У службы Qlmr смена типа уже этот тип запуска");
    // A No leaves the registry alone.
    p.dialogs.answers.push_back(tk::Answer::No);
    chooseStartType(page, "QlmrAllChange", kAuto);
    CHECK(p.dialogs.count("question") == 2);
    CHECK_FALSE(f.importWatch->pending());
    CHECK(serviceDword("QlmrAllChange", "Start") == 4ul);
}

TEST_CASE("all services: a vital service is never disabled, nor one it needs; dependencies both ways") {
    resetProgramFolder();
    CreatedService base({"QlmrAllBase", "Qlmr основа", SERVICE_DEMAND_START, 1, {}});
    CreatedService critical({"QlmrAllCritical", "Qlmr критичная", SERVICE_DEMAND_START, SERVICE_ERROR_CRITICAL,
                             {"QlmrAllBase"}});
    ProgramFixture p(true);
    AllServicesPage& page = *p.form->allServices;
    page.AllServicesRefreshClick();

    REQUIRE(page.select("QlmrAllBase"));
    CHECK(page.AllServicesInfo->text().find("От неё зависят: Qlmr критичная") != std::string::npos);
    CHECK(page.AllServicesInfo->text().find("Исполняемый файл: C:\\windows\\system32\\qlmr-test-service.exe") !=
          std::string::npos);
    REQUIRE(page.select("QlmrAllCritical"));
    CHECK(page.AllServicesInfo->text().find("Зависит от: Qlmr основа") != std::string::npos);

    for (const char* name : {"QlmrAllCritical", "QlmrAllBase", "RpcSs"}) {
        CAPTURE(name);
        if (!rowOf(page, name)) continue;
        const std::string display = rowOf(page, name)->displayName;
        chooseStartType(page, name, kDisabled);
        CHECK(p.dialogs.last("info") == "Службу " + display + " нельзя отключить: без неё система может не загрузиться.");
    }
    CHECK(p.dialogs.count("question") == 0);
    CHECK_FALSE(p.form->importWatch->pending());
    CHECK_FALSE(programFileExists(std::string(kImportFolder) + "Start type of QlmrAllBase.reg"));
    CHECK(serviceDword("QlmrAllBase", "Start") == 3ul);
    // Manual stays open to it.
    chooseStartType(page, "QlmrAllCritical", kAuto);
    CHECK(p.dialogs.count("question") == 1);
    REQUIRE(waitForRegistryEditors());
}

TEST_CASE("all services: the export holds the shown rows as a spreadsheet reads them") {
    resetProgramFolder();
    CreatedService one({"QlmrAllCsvOne", "Qlmr \"CSV\", один", SERVICE_AUTO_START, 1, {}});
    CreatedService two({"QlmrAllCsvTwo", "Qlmr CSV два", SERVICE_DISABLED, 1, {}});
    setServiceString("QlmrAllCsvOne", "Description", "Строка; с запятой, и \"кавычками\"");
    ProgramFixture p;
    MainForm& f = *p.form;
    AllServicesPage& page = *f.allServices;
    page.AllServicesRefreshClick();
    page.AllServicesSearch->setText("qlmrallcsv");
    page.AllServicesSearchChange();
    page.AllServicesExportClick();

    const std::vector<std::string> log = logTexts(f);
    REQUIRE(!log.empty());
    const std::string prefix = "Список служб сохранен в файл: ";
    REQUIRE(log.back().rfind(prefix, 0) == 0);
    const std::string path = log.back().substr(prefix.size());
    CHECK(path.rfind(programFolder() + kLogsFolder + "All services ", 0) == 0);
    CHECK(path.substr(path.size() - 4) == ".csv");
    CHECK(readFileBytes(path) ==
          "\xEF\xBB\xBF\"Служба\",\"Имя\",\"Состояние\",\"Тип запуска\",\"№\",\"Описание\",\"Путь\"\r\n"
          "\"Qlmr \"\"CSV\"\", один\",\"QlmrAllCsvOne\",\"Остановлена\",\"Авто\",\"\","
          "\"Строка; с запятой, и \"\"кавычками\"\"\",\"C:\\windows\\system32\\qlmr-test-service.exe\"\r\n"
          "\"Qlmr CSV два\",\"QlmrAllCsvTwo\",\"Остановлена\",\"Отключена\",\"\",\"\","
          "\"C:\\windows\\system32\\qlmr-test-service.exe\"\r\n");
}
