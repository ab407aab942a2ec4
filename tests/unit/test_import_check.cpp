#include <doctest.h>

#include "config/import_check.h"

using namespace qlmr;

namespace {

std::string utf16(const std::string& ascii) {
    std::string out;
    for (char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

RegData dword(uint32_t n) { return registryData(4, std::string{char(n), '\0', '\0', '\0'}); }

std::string noDecoding(std::string_view bytes) { return "ansi:" + std::string(bytes); }

}  // namespace

TEST_CASE("import check: the values a file sets for catalogue services, in the registry's form") {
    const RegFileContent file = parseRegFile(
        "Windows Registry Editor Version 5.00\r\n"
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Alerter]\r\n\"Start\"=dword:00000003\r\n"
        "\"ImagePath\"=hex(2):25,00,53,00,00,00\r\n\"Old\"=-\r\n\"DependOnService\"=hex(7):41,00,00,00,42,00,00,00,00,00\r\n"
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Alerter\\Parameters]\r\n\"Start\"=dword:1\r\n"
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Unknown]\r\n\"Start\"=dword:1\r\n"
        "[-HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Spooler]\r\n"
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\alerter]\r\n\"start\"=dword:00000004\r\n"
        "\"Description\"=\"text\"\r\n");
    const std::vector<CheckedValue> values = valuesToCheck(file, {"Alerter", "Spooler"}, noDecoding);
    REQUIRE(values.size() == 5);
    CHECK(values[0].name == "start");   // the later line, in its own spelling
    CHECK(values[0].expected == dword(4));
    CHECK(values[1].expected == registryData(2, utf16("%S") + std::string(2, '\0')));
    CHECK_FALSE(values[2].expected.present);
    CHECK(values[3].expected == registryData(7, utf16("A") + std::string(2, '\0') + utf16("B") + std::string(4, '\0')));
    CHECK(describeRegData(values[3].expected) == "\"A\", \"B\"");
    CHECK(values[4].expected == registryData(1, utf16("text")));

    const RegFileContent ansi = parseRegFile("REGEDIT4\n[HKLM\\SYSTEM\\CurrentControlSet\\Services\\Alerter]\n"
                                             "\"ImagePath\"=hex(2):25,53,00\n\"Bin\"=hex:01,02\n");
    const std::vector<CheckedValue> v4 = valuesToCheck(ansi, {"Alerter"}, noDecoding);
    REQUIRE(v4.size() == 2);
    CHECK(v4[0].expected.data == "ansi:%S");
    CHECK(describeRegData(v4[1].expected) == "hex(3):01,02");
}

TEST_CASE("import check: the summary line and one line per differing value") {
    struct Case {
        RegData before, after;
        const char* summary;
    };
    const RegData four = dword(4), two = dword(2), none;
    const Case cases[] = {
        {two, four, "Проверка импорта: 2 из 2 значений совпадают с файлом tweaked.html.reg"},
        {four, four, "Проверка импорта: 2 из 2 значений совпадают с файлом tweaked.html.reg"},
        {two, two,
         "Проверка импорта: 1 из 2 значений совпадает с файлом tweaked.html.reg; ни одно значение не изменилось: "
         "импорт не выполнен"},
        {none, two, "Проверка импорта: 1 из 2 значений совпадает с файлом tweaked.html.reg"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.summary);
        std::vector<CheckedValue> values = {{"Alerter", "Start", four, c.before, c.after},
                                            {"Spooler", "", two, two, two}};
        const std::vector<std::string> lines = importCheckLines(values, "tweaked.html.reg");
        CHECK(lines[0] == c.summary);
        if (c.after == four) {
            CHECK(lines.size() == 1);
        } else {
            REQUIRE(lines.size() == 2);
            CHECK(lines[1] == "Значение не совпадает: Alerter\\Start: в реестре 2, в файле 4");
        }
    }
    CHECK(importCheckLines({}, "x.reg")[0] == "Проверка импорта: 0 из 0 значений совпадают с файлом x.reg");
    std::vector<CheckedValue> many(21, CheckedValue{"S", "Start", four, four, four});
    CHECK(importCheckLines(many, "x.reg")[0] == "Проверка импорта: 21 из 21 значения совпадает с файлом x.reg");
}
