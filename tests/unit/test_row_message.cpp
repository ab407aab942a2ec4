#include <doctest.h>

#include <string>

#include "services/row_message.h"

using qlmr::firstLetters;
using qlmr::serviceRowMessage;

TEST_CASE("row message: the name is cut at 255 letters, whatever their byte length") {
    struct Case { std::string letter; size_t bytes; };
    for (const Case& c : {Case{"a", 1}, Case{"Ж", 2}, Case{"€", 3}, Case{"😀", 4}}) {
        CAPTURE(c.letter);
        std::string name;
        for (int i = 0; i < 300; ++i) name += c.letter;
        const std::string cut = firstLetters(name, 255);
        CHECK(cut.size() == 255 * c.bytes);
        CHECK(serviceRowMessage(name, "Работает") == cut + "-Работает");
        CHECK(firstLetters(cut, 255) == cut);
    }
    CHECK(firstLetters("Служба", 3) == "Слу");
    CHECK(firstLetters("", 255).empty());
}
