// The page of every installed service, its pure parts: order, search, links, the vital rule,
// the start-type file and question notes, the export's bytes.
#include <doctest.h>

#include "config/reg_file.h"
#include "services/all_services.h"
#include "services/all_services_export.h"
#include "services/all_services_text.h"
#include "services/service_links.h"
#include "services/start_type_change.h"

using namespace qlmr;

namespace {

ServiceEntry entry(const char* system, const char* display, unsigned long state, uint32_t start, int number = 0) {
    ServiceEntry e;
    e.systemName = system;
    e.displayName = display;
    e.state = state;
    e.hasStart = true;
    e.start = start;
    e.catalogueNumber = number;
    return e;
}

std::vector<std::string> systemNames(const std::vector<ServiceEntry>& rows, const std::vector<size_t>& order) {
    std::vector<std::string> names;
    for (size_t i : order) names.push_back(rows[i].systemName);
    return names;
}

// Alpha needs Beta by name and the group "Net" (Gamma); Delta needs Alpha.
struct Linked {
    std::vector<ServiceEntry> rows = {entry("Alpha", "Служба Альфа", 4, 2), entry("Beta", "Бета", 1, 3),
                                      entry("Gamma", "Гамма", 4, 2), entry("Delta", "Дельта", 4, 2)};
    std::vector<ServiceLinks> links = std::vector<ServiceLinks>(4);
    Linked() {
        links[0].dependOnService = {"beta", "Missing"};
        links[0].dependOnGroup = {"Net"};
        links[2].group = "NET";
        links[3].dependOnService = {"Alpha"};
    }
};

}  // namespace

TEST_CASE("all services: sorting by each column, a second click reverses, the catalogue before the rest") {
    const std::vector<ServiceEntry> rows = {entry("b", "Beta", 4, 3, 7), entry("A", "alpha", 1, 2),
                                            entry("c", "Gamma", 1, 4, 2)};
    struct Case {
        ServiceColumn column;
        bool reversed;
        std::vector<std::string> expected;
    };
    for (const Case& c : {Case{ServiceColumn::Display, false, {"A", "b", "c"}},
                          Case{ServiceColumn::Display, true, {"c", "b", "A"}},
                          Case{ServiceColumn::System, false, {"A", "b", "c"}},
                          Case{ServiceColumn::State, false, {"A", "c", "b"}},
                          Case{ServiceColumn::StartType, false, {"A", "b", "c"}},
                          Case{ServiceColumn::Number, false, {"c", "b", "A"}},
                          Case{ServiceColumn::Number, true, {"A", "b", "c"}}}) {
        CAPTURE(int(c.column));
        CHECK(systemNames(rows, sortedRows(rows, c.column, c.reversed)) == c.expected);
    }
}

TEST_CASE("all services: the search matches display or system name, letter case ignored, Cyrillic too") {
    const std::vector<ServiceEntry> rows = {entry("Spooler", "Диспетчер ПЕЧАТИ", 4, 2), entry("wuauserv", "Updates", 1, 3),
                                            entry("Ёлка", "Ёжик", 1, 3)};
    const std::vector<std::string> keys = searchKeys(rows);
    const std::vector<size_t> all = {0, 1, 2};
    CHECK(foldCase("ÀÉ Straße ЁЖ Ж") == "àé straße ёж ж");
    CHECK(matchingRows(keys, all, "").size() == 3);
    CHECK(matchingRows(keys, all, "печат") == std::vector<size_t>{0});
    CHECK(matchingRows(keys, all, "SPOOL") == std::vector<size_t>{0});
    CHECK(matchingRows(keys, all, "WUAU") == std::vector<size_t>{1});
    CHECK(matchingRows(keys, all, "ёж") == std::vector<size_t>{2});
    CHECK(matchingRows(keys, {2, 0}, "e") == std::vector<size_t>{0});   // keeps the order it is given
    CHECK(matchingRows(keys, all, "nothing").empty());
}

TEST_CASE("all services: dependencies both ways by display name, through groups, and the vital rule") {
    Linked l;
    CHECK(dependsOnNames(0, l.rows, l.links) == std::vector<std::string>{"Бета", "Missing", "Гамма"});
    CHECK(dependedOnByNames(1, l.rows, l.links) == std::vector<std::string>{"Служба Альфа"});
    CHECK(dependedOnByNames(2, l.rows, l.links) == std::vector<std::string>{"Служба Альфа"});
    CHECK(dependedOnByNames(0, l.rows, l.links) == std::vector<std::string>{"Дельта"});
    CHECK(dependsOnNames(1, l.rows, l.links).empty());

    CHECK(vitalRows(l.rows, l.links, {}) == std::vector<bool>{false, false, false, false});
    // Marked vital: what it needs, however far down, is vital too; what needs it is not.
    CHECK(vitalRows(l.rows, l.links, {"delta"}) == std::vector<bool>{true, true, true, true});
    CHECK(vitalRows(l.rows, l.links, {"Alpha"}) == std::vector<bool>{true, true, true, false});
    for (uint32_t errorControl : {0u, 1u, 2u, 3u, 4u}) {
        Linked m;
        m.links[1].errorControl = errorControl;
        CAPTURE(errorControl);
        CHECK(vitalRows(m.rows, m.links, {})[1] == (errorControl == 2 || errorControl == 3));
    }
    CHECK_FALSE(presetVitalServices().empty());
}

TEST_CASE("all services: the start-type file, the choices, the question's subject and notes") {
    CHECK(startTypeFileText("Spooler", {4, false}, true) ==
          "Windows Registry Editor Version 5.00\r\n\r\n"
          "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Spooler]\r\n\"Start\"=dword:00000004\r\n\r\n");
    CHECK(startTypeFileText("Spooler", {2, true}, true).find("\"DelayedAutostart\"=dword:00000001\r\n") !=
          std::string::npos);
    CHECK(startTypeFileText("Spooler", {2, false}, true).find("\"DelayedAutostart\"=dword:00000000\r\n") !=
          std::string::npos);
    CHECK(startTypeFileText("Spooler", {2, false}, false).find("Delayed") == std::string::npos);
    const RegFileContent parsed = parseRegFile(startTypeFileText("Spooler", {3, false}, true));
    CHECK(parsed.recognised);
    REQUIRE(parsed.keys.size() == 1);
    CHECK(parsed.keys[0].values[0].dword == 3);
    CHECK(startTypeFileName("Spooler") == "Start type of Spooler.reg");

    const PreviewPhrases russian = builtinAllServicesPhrase;
    CHECK(offeredStartChoices(false).size() == 3);
    REQUIRE(offeredStartChoices(true).size() == 4);
    std::vector<std::string> words;
    for (StartChoice c : offeredStartChoices(true)) words.push_back(startChoiceText(c, russian));
    CHECK(words == std::vector<std::string>{"Авто", "Вручную", "Отключена", "Авто (отложенный запуск)"});
    CHECK(startChangeSubject("Бета", "Вручную", "Отключена") == "Бета: Вручную → Отключена");

    Linked l;
    CHECK(startChangeNotes(0, {4, false}, l.rows, l.links, russian) == "работает сейчас; от неё зависят: Дельта");
    CHECK(startChangeNotes(1, {4, false}, l.rows, l.links, russian) == "от неё зависят: Служба Альфа");
    CHECK(startChangeNotes(0, {3, false}, l.rows, l.links, russian).empty());
}

TEST_CASE("all services: cells, the delayed start only where the system knows it, and the export's bytes") {
    const PreviewPhrases russian = builtinAllServicesPhrase;
    ServiceEntry e = entry("Spooler", "Печать", 4, 2, 12);
    e.delayed = true;
    CHECK(serviceCell(e, ServiceColumn::State, true, russian) == "Работает");
    CHECK(serviceCell(e, ServiceColumn::StartType, true, russian) == "Авто (отложенный запуск)");
    CHECK(serviceCell(e, ServiceColumn::StartType, false, russian) == "Авто");
    CHECK(serviceCell(e, ServiceColumn::Number, true, russian) == "12");
    e.catalogueNumber = 0;
    e.hasStart = false;
    CHECK(serviceCell(e, ServiceColumn::Number, true, russian).empty());
    CHECK(serviceCell(e, ServiceColumn::StartType, true, russian) == "Не задан");
    CHECK(serviceStateText(9, russian) == "9");
    CHECK(exportColumns(russian) ==
          std::vector<std::string>{"Служба", "Имя", "Состояние", "Тип запуска", "№", "Описание", "Путь"});

    CHECK(csvText({"a", "b"}, {{"x, \"y\"", "line\r\nbreak"}, {"", "z"}}) ==
          "\xEF\xBB\xBF\"a\",\"b\"\r\n\"x, \"\"y\"\"\",\"line\r\nbreak\"\r\n\"\",\"z\"\r\n");
    CHECK(servicesExportName("09.12.2026 11.05.00") == "All services 09.12.2026 11.05.00.csv");
}
