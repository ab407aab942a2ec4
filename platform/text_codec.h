#pragma once
// The system's ANSI code page, other code pages, and the wide-character form of paths.
#include <string>
#include <string_view>

namespace qlmr {

std::string ansiToUtf8(std::string_view ansi);
std::string utf8ToAnsi(std::string_view utf8);
// Bytes in the given code page (1251, 1252, 65001, ...) to UTF-8.
std::string codePageToUtf8(std::string_view bytes, unsigned codePage);
// True when the text comes back unchanged from the ANSI code page.
bool fitsAnsi(std::string_view utf8);
// Text for a file the program writes: in the ANSI code page where every character fits, else
// UTF-16LE with its byte-order mark, so that nothing is lost.
std::string ansiOrUtf16(std::string_view utf8);
std::wstring widePath(std::string_view utf8);
std::string fromWide(std::wstring_view text);

}  // namespace qlmr
