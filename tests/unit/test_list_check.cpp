#include <doctest.h>

#include <string>
#include <vector>

#include "services/list_check.h"

using namespace qlmr;
using Names = std::vector<std::string>;

namespace {

std::vector<LoadedList> lists(size_t display, const Names& system, size_t hosts) {
    return {{"ServicesRealNames-rus.lng.dat", Names(display, "Имя")},
            {"ServicesSysNames.dat", system},
            {"ServicesTMNames.dat", Names(hosts, "svchost.exe")}};
}

Names systemNames(size_t n) {
    Names names;
    for (size_t i = 0; i < n; ++i) names.push_back("Svc" + std::to_string(i));
    return names;
}

}  // namespace

TEST_CASE("list check: lists of unequal length name the file that differs") {
    CHECK_FALSE(listFilesProblem(lists(91, systemNames(91), 91), 1));
    struct Case {
        size_t display, system, hosts;
        std::string named;
    };
    for (const Case& c : {Case{91, 30, 91, "ServicesSysNames.dat"}, Case{91, 0, 91, "ServicesSysNames.dat"},
                          Case{91, 91, 12, "ServicesTMNames.dat"}, Case{90, 91, 91, "ServicesRealNames-rus.lng.dat"},
                          Case{1, 2, 3, "ServicesRealNames-rus.lng.dat, ServicesSysNames.dat, ServicesTMNames.dat"}}) {
        CAPTURE(c.named);
        const auto problem = listFilesProblem(lists(c.display, systemNames(c.system), c.hosts), 1);
        REQUIRE(problem);
        CHECK(problem->find("Списки служб разной длины, проверьте " + c.named + " (строк: ") == 0);
        CHECK(problem->find("ServicesSysNames.dat — " + std::to_string(c.system)) != std::string::npos);
    }
}

TEST_CASE("list check: a system name that cannot name a key is told with its line") {
    for (const std::string& bad : {std::string(""), std::string("a\\b"), std::string("\xEF\xBB\xBFwuauserv") + "\t",
                                  std::string(256, 'x')}) {
        CAPTURE(bad);
        Names names = systemNames(5);
        names[3] = bad;
        const auto problem = listFilesProblem(lists(5, names, 5), 1);
        REQUIRE(problem);
        CHECK(*problem == "В файле ServicesSysNames.dat строка 4 не является именем раздела реестра: \"" + bad + "\"");
    }
    // Blanks and letters outside ASCII are allowed, as the catalogue's own names show.
    CHECK(isValidKeyName("NetDDE dsdm"));
    CHECK(isValidKeyName("Служба"));
    CHECK(isValidKeyName(std::string(255, 'x')));
}
