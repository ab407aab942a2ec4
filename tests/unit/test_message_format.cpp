#include <doctest.h>

#include <string>

#include "lang/message_format.h"

using qlmr::formatMessage;
using qlmr::FormatError;

TEST_CASE("message format: one %s takes the argument, %% gives a percent sign") {
    CHECK(formatMessage("Удалить файл %s?", "Backup of 07.12.2026 02.27.01.reg") ==
          "Удалить файл Backup of 07.12.2026 02.27.01.reg?");
    CHECK(formatMessage("%s", "") == "");
    CHECK(formatMessage("100%% %s", "done") == "100% done");
    CHECK(formatMessage("%%s", "x") == "%s");
}

TEST_CASE("message format: a text without %s is returned unchanged") {
    CHECK(formatMessage("No Comments :)", "C:\\QLMR\\Baze\\Regz\\x.reg") == "No Comments :)");
    CHECK(formatMessage("", "argument") == "");
}

TEST_CASE("message format: the argument is never read as a format") {
    CHECK(formatMessage("[%s]", "%d %s %n %%") == "[%d %s %n %%]");
}

TEST_CASE("message format: other percent sequences and a second %s fail") {
    const char* const bad[] = {"%s and %s", "%d files", "%n", "%S", "%5s", "trailing %", "%"};
    for (const char* text : bad) {
        CAPTURE(text);
        CHECK_THROWS_AS(formatMessage(text, "x"), FormatError);
    }
    CHECK_THROWS_WITH(formatMessage("%d", "x"), "Format '%d' invalid or incompatible with argument");
}
