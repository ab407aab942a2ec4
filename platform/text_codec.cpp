#include "platform/text_codec.h"

#include "toolkit/text.h"

namespace qlmr {

std::string ansiToUtf8(std::string_view ansi) { return tk::ansiToUtf8(ansi); }
std::string utf8ToAnsi(std::string_view utf8) { return tk::utf8ToAnsi(utf8); }

}  // namespace qlmr
