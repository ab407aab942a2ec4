#include <doctest.h>

#include <string>
#include <vector>

#include "services/list_file.h"

using namespace qlmr;
using Lines = std::vector<std::string>;

TEST_CASE("list file: lines end at CR LF, CR or LF") {
    CHECK(splitListLines("wuauserv\r\nWmiApSrv\rWZCSVC\nSharedAccess") ==
          Lines{"wuauserv", "WmiApSrv", "WZCSVC", "SharedAccess"});
    // LF CR is two line ends, not one.
    CHECK(splitListLines("a\n\rb") == Lines{"a", "", "b"});
}

TEST_CASE("list file: a final line end adds no entry, empty lines are entries") {
    CHECK(splitListLines("").empty());
    CHECK(splitListLines("a\r\n") == Lines{"a"});
    CHECK(splitListLines("\r\n") == Lines{""});
    CHECK(splitListLines("a\r\n\r\nb\n\n") == Lines{"a", "", "b", ""});
}

TEST_CASE("list file: byte-order marks select the encoding and are dropped") {
    // "Сервер" in each encoding.
    const std::string utf8 = "\xD0\xA1\xD0\xB5\xD1\x80\xD0\xB2\xD0\xB5\xD1\x80";
    const std::string le("\xFF\xFE\x21\x04\x35\x04\x40\x04\x32\x04\x35\x04\x40\x04", 14);
    const std::string be("\xFE\xFF\x04\x21\x04\x35\x04\x40\x04\x32\x04\x35\x04\x40", 14);

    const DecodedText fromLe = decodeWithByteOrderMark(le);
    CHECK(fromLe.encoding == TextEncoding::Utf16LE);
    CHECK(fromLe.text == utf8);

    const DecodedText fromBe = decodeWithByteOrderMark(be);
    CHECK(fromBe.encoding == TextEncoding::Utf16BE);
    CHECK(fromBe.text == utf8);

    const DecodedText fromUtf8 = decodeWithByteOrderMark("\xEF\xBB\xBF" + utf8 + "\r\n");
    CHECK(fromUtf8.encoding == TextEncoding::Utf8);
    CHECK(fromUtf8.text == utf8 + "\r\n");

    // Windows-1251 bytes of "Сервер", no mark: passed on as they are.
    const DecodedText ansi = decodeWithByteOrderMark("\xD1\xE5\xF0\xE2\xE5\xF0");
    CHECK(ansi.encoding == TextEncoding::Ansi);
    CHECK(ansi.text == "\xD1\xE5\xF0\xE2\xE5\xF0");
}

TEST_CASE("list file: a mark alone or cut short") {
    CHECK(decodeWithByteOrderMark("\xFF\xFE").text.empty());
    CHECK(decodeWithByteOrderMark("\xEF\xBB\xBF").text.empty());
    // Two bytes of a three-byte mark are ANSI text.
    CHECK(decodeWithByteOrderMark("\xEF\xBB").encoding == TextEncoding::Ansi);
    // An odd byte at the end of UTF-16 text is half a code unit.
    CHECK(decodeWithByteOrderMark(std::string("\xFF\xFE" "A\0B", 5)).text == "A\xEF\xBF\xBD");
}

TEST_CASE("list file: UTF-16 with surrogates to UTF-8 and back") {
    const std::u16string text = u"Telnet \U0001F600 \u0436";
    const std::string utf8 = "Telnet \xF0\x9F\x98\x80 \xD0\xB6";
    CHECK(utf16ToUtf8(text) == utf8);
    CHECK(utf8ToUtf16(utf8) == text);
}

TEST_CASE("list file: malformed text becomes U+FFFD") {
    const std::string replacement = "\xEF\xBF\xBD";
    // Lone surrogates, high at the end, low alone, two highs.
    CHECK(utf16ToUtf8(std::u16string{0xD800}) == replacement);
    CHECK(utf16ToUtf8(std::u16string{u'a', 0xDC00, u'b'}) == "a" + replacement + "b");
    CHECK(utf16ToUtf8(std::u16string{0xD800, 0xD800, 0xDC00}) == replacement + "\xF0\x90\x80\x80");

    const std::u16string fffd(1, 0xFFFD);
    CHECK(utf8ToUtf16("\x80") == fffd);                       // stray continuation byte
    CHECK(utf8ToUtf16("\xC0\xAF") == fffd + fffd);            // overlong "/"
    CHECK(utf8ToUtf16("\xED\xA0\x80") == fffd + fffd + fffd); // encoded surrogate
    CHECK(utf8ToUtf16("\xF4\x90\x80\x80") == fffd + fffd + fffd + fffd);   // past U+10FFFF
    CHECK(utf8ToUtf16("\xE2\x82") == fffd);                   // cut short at the end
    CHECK(utf8ToUtf16("\xE2\x82" "A") == fffd + u"A");        // cut short before ASCII
}
