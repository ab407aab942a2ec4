#pragma once
// UTF-8 <-> UTF-16 and ANSI code page conversions at the Win32 boundary.
#include <string>
#include <string_view>

namespace tk {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
// Bytes in the system's ANSI code page to UTF-8 and back (unmappable characters become '?').
std::string ansiToUtf8(std::string_view ansi);
std::string utf8ToAnsi(std::string_view utf8);

}  // namespace tk
