// The built-in message texts are the ones rus.lng ships, letter for letter.
#include <doctest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "lang/builtin_messages.h"
#include "lang/ini.h"

using namespace qlmr;

namespace {

// Windows-1251 as UTF-8: enough for the Russian language file.
std::string cp1251ToUtf8(const std::string& bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        unsigned code = c;
        if (c >= 0xC0) code = 0x410 + (c - 0xC0);
        else if (c == 0xA8) code = 0x401;
        else if (c == 0xB8) code = 0x451;
        else if (c == 0x97) code = 0x2014;
        else if (c == 0x96) code = 0x2013;
        else if (c == 0xAB) code = 0xAB;
        else if (c == 0xBB) code = 0xBB;
        if (code < 0x80) {
            out += char(code);
        } else if (code < 0x800) {
            out += char(0xC0 | (code >> 6));
            out += char(0x80 | (code & 0x3F));
        } else {
            out += char(0xE0 | (code >> 12));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        }
    }
    return out;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST_CASE("built-in messages: every key the program shows reads as rus.lng ships it") {
    const std::string text = cp1251ToUtf8(readFile(QLMR_DATA_DIR "/Langz/rus.lng"));
    REQUIRE_FALSE(text.empty());
    const IniText rus(text);
    for (int i = 1; i <= 16; ++i) {
        const std::string key = "msg" + std::to_string(i);
        CAPTURE(key);
        CHECK_FALSE(builtinMessage(key).empty());
        CHECK(builtinMessage(key) == rus.read("Msg", key, ""));
    }
    for (const char* key : {"TrayIconFailed", "RegeditNotResponding", "BackupIncompleteRestore"}) {
        CAPTURE(key);
        CHECK(builtinMessage(key) == rus.read("Msg", key, ""));
    }
    CHECK(builtinMessage("msg17").empty());
}
