#include <doctest.h>

#include <string>

#include "lang/ini.h"

using qlmr::IniText;
using qlmr::kProfileValueLimit;

TEST_CASE("ini: names match without regard to letter case") {
    const IniText ini("[msg]\r\nMSG12=Очистить лог?\r\n[Program]\r\nLangName=rus.lng\r\n");
    CHECK(ini.value("Msg", "msg12") == std::string("Очистить лог?"));
    CHECK(ini.value("MSG", "Msg12") == std::string("Очистить лог?"));
    CHECK(ini.read("PROGRAM", "langname", "No data") == "rus.lng");
    CHECK(ini.hasSection("program"));
    CHECK_FALSE(ini.hasSection("About"));
}

TEST_CASE("ini: missing file, section or key reads as the fallback") {
    CHECK(IniText().read("Msg", "msg1", "No Comments :)") == "No Comments :)");
    const IniText ini("[MainForm]\nmsg1=not here\n");
    CHECK(ini.read("Msg", "msg1", "No Comments :)") == "No Comments :)");
    CHECK_FALSE(ini.value("MainForm", "msg2").has_value());
    // "msg1" must not match "msg10" or "msg1x".
    CHECK_FALSE(IniText("[Msg]\nmsg10=ten\n").value("Msg", "msg1").has_value());
}

TEST_CASE("ini: blanks around key and value, the value after the first equals sign") {
    const IniText ini("[Msg]\n  msg3 \t=   Создана копия %s  \nmsg4=a=b = c\nmsg5=\n[ About ]\n"
                      "TranslateLangName = Русский\n");
    CHECK(ini.value("Msg", "msg3") == std::string("Создана копия %s"));
    CHECK(ini.value("Msg", "msg4") == std::string("a=b = c"));
    CHECK(ini.value("Msg", "msg5") == std::string(""));
    CHECK(ini.value("About", "TranslateLangName") == std::string("Русский"));
}

TEST_CASE("ini: comments, empty lines and lines without equals sign are skipped") {
    const IniText ini("; language file\n\n[Msg]\n;msg1=commented out\n   ; msg2=also\nstray text\n"
                      "\nmsg1=one\n");
    CHECK(ini.value("Msg", "msg1") == std::string("one"));
    CHECK_FALSE(ini.value("Msg", "msg2").has_value());
    CHECK_FALSE(ini.value("Msg", "stray text").has_value());
}

TEST_CASE("ini: lines end at CR LF, CR or LF") {
    const IniText ini("[Msg]\rmsg1=cr\r\nmsg2=crlf\nmsg3=lf\r\rmsg4=last");
    CHECK(ini.value("Msg", "msg1") == std::string("cr"));
    CHECK(ini.value("Msg", "msg2") == std::string("crlf"));
    CHECK(ini.value("Msg", "msg3") == std::string("lf"));
    CHECK(ini.value("Msg", "msg4") == std::string("last"));
}

TEST_CASE("ini: the first section and the first key of a name win") {
    const IniText ini("[Msg]\nmsg1=first\nmsg1=second\n[MSG]\nmsg1=other section\nmsg2=late\n");
    CHECK(ini.value("Msg", "msg1") == std::string("first"));
    CHECK_FALSE(ini.value("Msg", "msg2").has_value());
}

TEST_CASE("ini: keys before any section belong to none") {
    const IniText ini("msg1=orphan\n[Msg]\nmsg2=two\n");
    CHECK_FALSE(ini.value("Msg", "msg1").has_value());
    CHECK_FALSE(ini.value("", "msg1").has_value());
}

TEST_CASE("ini: one pair of matching quotes around a value is dropped") {
    const IniText ini("[Msg]\na=\"quoted\"\nb='single'\nc=\"open\nd=\"mixed'\ne=say \"hi\"\n");
    CHECK(ini.value("Msg", "a") == std::string("quoted"));
    CHECK(ini.value("Msg", "b") == std::string("single"));
    CHECK(ini.value("Msg", "c") == std::string("\"open"));
    CHECK(ini.value("Msg", "d") == std::string("\"mixed'"));
    CHECK(ini.value("Msg", "e") == std::string("say \"hi\""));
}

TEST_CASE("ini: values are cut to 2047 characters") {
    const std::string longValue(100000, 'x');
    const IniText ini("[Msg]\nmsg1=" + longValue + "\nmsg2=" + std::string(2047, 'y') + "\n");
    CHECK(ini.value("Msg", "msg1")->size() == kProfileValueLimit);
    CHECK(ini.value("Msg", "msg2") == std::string(2047, 'y'));
    CHECK(ini.read("Msg", "none", longValue).size() == kProfileValueLimit);
}
