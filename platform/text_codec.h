#pragma once
// The system's ANSI code page.
#include <string>
#include <string_view>

namespace qlmr {

std::string ansiToUtf8(std::string_view ansi);
std::string utf8ToAnsi(std::string_view utf8);

}  // namespace qlmr
