// List-file lines, byte-order-mark detection and the UTF-8 / UTF-16 conversions.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "services/list_file.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void checkLines(std::string_view text) {
    const auto lines = qlmr::splitListLines(text);
    std::string rejoined;
    for (const std::string& line : lines) {
        require(line.find_first_of("\r\n") == std::string::npos);
        rejoined += line + "\n";
    }
    require(qlmr::splitListLines(rejoined) == lines);
}

// Text made by utf16ToUtf8 is well-formed, so it survives a round trip unchanged.
void checkConversions(std::string_view bytes) {
    const std::string wellFormed = qlmr::utf16ToUtf8(qlmr::utf8ToUtf16(bytes));
    require(qlmr::utf16ToUtf8(qlmr::utf8ToUtf16(wellFormed)) == wellFormed);

    std::u16string units;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        units += static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) |
                                       (static_cast<uint8_t>(bytes[i + 1]) << 8));
    const std::string fromUnits = qlmr::utf16ToUtf8(units);
    require(qlmr::utf16ToUtf8(qlmr::utf8ToUtf16(fromUnits)) == fromUnits);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkLines(bytes);
    const qlmr::DecodedText decoded = qlmr::decodeWithByteOrderMark(bytes);
    if (decoded.encoding == qlmr::TextEncoding::Utf16LE || decoded.encoding == qlmr::TextEncoding::Utf16BE)
        require(qlmr::utf16ToUtf8(qlmr::utf8ToUtf16(decoded.text)) == decoded.text);
    checkLines(decoded.text);
    checkConversions(bytes);
    return 0;
}
