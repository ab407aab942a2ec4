#include <doctest.h>

#include <string>

#include "about/help_request.h"

using namespace qlmr;

TEST_CASE("help request: topics get .htm unless they end in .htm or .html") {
    CHECK(topicCall("C:\\QLMR\\about.chm", "about").argument == "C:\\QLMR\\about.chm::/about.htm");
    CHECK(topicCall("services.chm", "5.html").argument == "services.chm::/5.html");
    CHECK(topicCall("services.chm", "tweaked.html").argument == "services.chm::/tweaked.html");
    CHECK(topicCall("services.chm", "History.HTM").argument == "services.chm::/History.HTM");
    CHECK(topicCall("services.chm", "page.htmx").argument == "services.chm::/page.htmx.htm");
    const HelpCall call = topicCall("about.chm", "history");
    CHECK(call.command == HelpCommand::DisplayTopic);
    CHECK(call.file == "about.chm");
}

TEST_CASE("help request: keyword is the text after the first colon, trimmed") {
    CHECK(keywordCall("services.chm", "index: Spooler ").argument == "Spooler");
    CHECK(keywordCall("services.chm", "a:b:c").argument == "b:c");
    CHECK(keywordCall("services.chm", "  Spooler\t").argument == "Spooler");
    CHECK(keywordCall("services.chm", "index:").argument == "");
    CHECK(keywordCall("services.chm", "x").command == HelpCommand::DisplayIndex);
}

TEST_CASE("help request: a context number travels apart from the argument; close names no file") {
    const HelpCall context = contextCall("services.chm", 42);
    CHECK(context.context == 42);
    CHECK(context.argument.empty());
    CHECK(closeAllCall().file.empty());
}

TEST_CASE("help request: only .chm files, bare names taken from the program folder") {
    CHECK(isChmFile("services.chm"));
    CHECK(isChmFile("C:\\QLMR\\ABOUT.CHM"));
    CHECK_FALSE(isChmFile("services.hlp"));
    CHECK_FALSE(isChmFile("chm"));
    const std::string folder = "C:\\Program Files\\QLMR\\";
    CHECK(resolveHelpFile("services.chm", folder) == folder + "services.chm");
    CHECK(resolveHelpFile("D:\\help\\about.chm", folder) == "D:\\help\\about.chm");
    CHECK(resolveHelpFile("help/about.chm", folder) == "help/about.chm");
    CHECK(resolveHelpFile("D:about.chm", folder) == "D:about.chm");
}
