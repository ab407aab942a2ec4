#pragma once
// Every text conversion the program makes, in one place: the pure Unicode ones here, and the
// code-page ones, which need the system, from the platform layer.
#include <string>
#include <string_view>

#include "platform/text_codec.h"

namespace qlmr {

enum class TextEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

struct DecodedText {
    TextEncoding encoding;
    std::string text;   // UTF-8 for the Unicode encodings; the raw bytes (without mark) for Ansi
};

// Detects a byte-order mark (FF FE, FE FF, EF BB BF) and decodes UTF-16 to UTF-8. Malformed
// UTF-16 becomes U+FFFD; the mark is not part of the text.
DecodedText decodeWithByteOrderMark(std::string_view bytes);

// UTF-16 code units to UTF-8 and back (pure, no platform calls).
std::string utf16ToUtf8(std::u16string_view text);
std::u16string utf8ToUtf16(std::string_view text);
// UTF-16LE bytes (an odd last byte ignored) as UTF-8; unpaired surrogates become U+FFFD.
std::string utf16leToUtf8(std::string_view bytes);

}  // namespace qlmr
