// Printing the activity log: with no printer, and to a real queue when the print test sets one up.
#include <doctest.h>

#include <cstdlib>

#include "tests/support/program_fixture.h"

using namespace qlmr;
using namespace qlmr::test;

TEST_CASE("printing without a default printer ends with the error box and logs nothing" *
          doctest::skip(std::getenv("QLMR_PRINT_DIR") != nullptr)) {
    ProgramFixture p;
    p.form->logLine("a line");
    tk::runHandler([&] { p.form->logPage->LogPrintClick(); });
    CHECK(p.dialogs.count("error") == 1);
    CHECK_FALSE(logContains(*p.form, "Лог файл распечатан"));
}

TEST_CASE("printing sends the log lines to the default printer in order" *
          doctest::skip(std::getenv("QLMR_PRINT_DIR") == nullptr)) {
    ProgramFixture p;
    p.form->logPage->LogBox->clear();
    p.form->logPage->LogBox->add("QLMR print check one");
    p.form->logPage->LogBox->add("QLMR print check two");
    p.form->logPage->LogBox->add("QLMR print check three");
    tk::runHandler([&] { p.form->logPage->LogPrintClick(); });
    CHECK(p.dialogs.count("error") == 0);
    CHECK(logContains(*p.form, "Лог файл распечатан"));
}
