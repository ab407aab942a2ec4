#include <doctest.h>

#include <string>

#include "base/log_encoding.h"

using namespace qlmr;

namespace {

// Windows-1251: ASCII as itself, А..я from C0, Ё A8, ё B8; the rest left unmapped here.
CodePageTable cp1251() {
    CodePageTable t{};
    for (uint32_t b = 0; b < 256; ++b) t[b] = b < 0x80 ? b : 0xFFFFFFFFu;
    for (uint32_t b = 0xC0; b <= 0xFF; ++b) t[b] = 0x410 + (b - 0xC0);
    t[0xA8] = 0x401;
    t[0xB8] = 0x451;
    return t;
}

}  // namespace

TEST_CASE("log encoding: a text the code page holds is one byte per letter, else UTF-16LE with its mark") {
    const SingleByteEncoder encoder(cp1251());
    const std::string line = "[09.12.2026 11.03.19] Служба Ёлка запущена\r\n";
    const auto ansi = encoder.encode(line);
    REQUIRE(ansi);
    CHECK(*ansi == "[09.12.2026 11.03.19] \xD1\xEB\xF3\xE6\xE1\xE0 \xA8\xEB\xEA\xE0 \xE7\xE0\xEF\xF3\xF9\xE5\xED\xE0\r\n");
    // A letter outside the page, an unpaired lead byte, a cut sequence: not in one byte each.
    for (const std::string& text : {std::string("Zürich"), std::string("a\xD0"), std::string("\xE2\x82"),
                                   std::string("\xF0\x9F\x98\x80")})
        CHECK_FALSE(encoder.encode(text));
    // Appending keeps what was there, and takes nothing back but its own part when a letter fails.
    std::string out = "x";
    CHECK(encoder.appendTo("я", out));
    CHECK(out == "x\xFF");
    CHECK_FALSE(encoder.appendTo("яZü", out));
    CHECK(out == "x\xFF");
    CHECK(encoder.fits("Ёлка"));
    CHECK_FALSE(encoder.fits("Zürich"));
    CHECK(utf16leWithMark("Aя") == std::string("\xFF\xFE" "A\x00" "\x4F\x04", 6));
    CHECK(utf16leWithMark("\xF0\x9F\x98\x80") == std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6));
    CHECK(utf16leWithMark("a\xFF") == std::string("\xFF\xFE" "a\x00" "\xFD\xFF", 6));
}
