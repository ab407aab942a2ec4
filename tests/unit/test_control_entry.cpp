#include <doctest.h>

#include <string>

#include "lang/control_entry.h"

using qlmr::controlEntry;
using qlmr::IniText;

TEST_CASE("control entry: found by the component name in section MainForm, any letter case") {
    const IniText file("[mainform]\r\nservstart=Go\r\nSERVSTARTHNT=Starts it\r\n");
    const auto entry = controlEntry(file, "ServStart");
    REQUIRE(entry.has_value());
    CHECK(entry->text == "Go");
    CHECK(entry->hint == "Starts it");
}

TEST_CASE("control entry: the name key decides, the Hnt key only supplies the tooltip") {
    CHECK_FALSE(controlEntry(IniText("[MainForm]\r\nServStartHnt=Starts it\r\n"), "ServStart").has_value());
    const auto bare = controlEntry(IniText("[MainForm]\r\nServStart=Go\r\n"), "ServStart");
    REQUIRE(bare.has_value());
    CHECK(bare->hint == "No Comments");
    const auto empty = controlEntry(IniText("[MainForm]\r\nLogBox=\r\nLogBoxHnt=\r\n"), "LogBox");
    REQUIRE(empty.has_value());
    CHECK(empty->text.empty());
    CHECK(empty->hint.empty());
}

TEST_CASE("control entry: No Comments as a value counts as absent, other sections do not count") {
    CHECK_FALSE(controlEntry(IniText("[MainForm]\r\nServStart=No Comments\r\n"), "ServStart").has_value());
    CHECK(controlEntry(IniText("[MainForm]\r\nServStart=no comments\r\n"), "ServStart").has_value());
    CHECK_FALSE(controlEntry(IniText("[Msg]\r\nServStart=Go\r\n"), "ServStart").has_value());
    CHECK_FALSE(controlEntry(IniText(), "ServStart").has_value());
    // A key is the whole name: ServStart is not ServStartHnt's control, nor the other way round.
    CHECK_FALSE(controlEntry(IniText("[MainForm]\r\nServStartHnt=x\r\n"), "ServStar").has_value());
}

TEST_CASE("control entry: the first of two MainForm sections is the one read") {
    const auto entry = controlEntry(IniText("[MainForm]\r\nN9=Close\r\n[MainForm]\r\nN9=Quit\r\nN9Hnt=Tip\r\n"), "N9");
    REQUIRE(entry.has_value());
    CHECK(entry->text == "Close");
    CHECK(entry->hint == "No Comments");
}

TEST_CASE("control entry: a caption's line breaks are written \\n and read back") {
    const auto entry = controlEntry(IniText("[MainForm]\r\nAboutLabel=One\\nTwo\\n\\nFour\r\n"), "AboutLabel");
    REQUIRE(entry.has_value());
    CHECK(entry->text == "One\r\nTwo\r\n\r\nFour");
    CHECK(qlmr::lineBreaksToFile(entry->text) == "One\\nTwo\\n\\nFour");
    CHECK(qlmr::lineBreaksToFile("bare\nbreak") == "bare\\nbreak");
}
