#pragma once
// The bytes of a saved log in one pass over its text: in a single-byte code page when every
// letter has a byte there, otherwise UTF-16LE with its mark. Saving a long log costs about
// what writing its bytes does.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qlmr {

// The code point of every byte of a single-byte code page.
using CodePageTable = std::array<uint32_t, 256>;

// Encoder for one code page: the table turned round once, then reused for every save.
class SingleByteEncoder {
public:
    explicit SingleByteEncoder(const CodePageTable& table);
    // The text's bytes in the code page; nothing when a letter has no byte there or the text
    // is not valid UTF-8.
    std::optional<std::string> encode(std::string_view utf8) const;
    bool fits(std::string_view utf8) const;
    // Appends the text's bytes; false (and out undefined) when it does not fit.
    bool appendTo(std::string_view utf8, std::string& out) const;

private:
    std::array<uint8_t, 0x10000> byteOf_{};
    std::array<bool, 0x10000> mapped_{};
    bool asciiAsItself_ = true;
};

// FF FE and the text in UTF-16LE; invalid UTF-8 becomes U+FFFD.
std::string utf16leWithMark(std::string_view utf8);
void appendUtf16le(std::string_view utf8, std::string& out);   // without a mark

}  // namespace qlmr
