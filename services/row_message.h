#pragma once
// The message a service row tells on a double-click or Enter.
#include <string>
#include <string_view>

namespace qlmr {

// The first count letters of a UTF-8 text: a cut never splits a letter.
std::string firstLetters(std::string_view utf8, size_t count);

// The service's name cut to 255 letters, a dash and its state.
std::string serviceRowMessage(std::string_view name, std::string_view state);

}  // namespace qlmr
