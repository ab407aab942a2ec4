#include "base/text_conversion.h"

namespace qlmr {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool startsWith(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void appendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 | (c >> 10));
        out += static_cast<char16_t>(0xDC00 | (c & 0x3FF));
    }
}

bool isHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

struct Utf8Lead {
    int length;                         // 0: not a lead byte
    unsigned char secondMin, secondMax; // narrower ranges rule out overlongs and surrogates
    char32_t bits;
};

Utf8Lead classifyLead(unsigned char b) {
    if (b >= 0xC2 && b <= 0xDF) return {2, 0x80, 0xBF, char32_t(b & 0x1F)};
    if (b == 0xE0) return {3, 0xA0, 0xBF, char32_t(b & 0x0F)};
    if (b == 0xED) return {3, 0x80, 0x9F, char32_t(b & 0x0F)};
    if (b >= 0xE1 && b <= 0xEF) return {3, 0x80, 0xBF, char32_t(b & 0x0F)};
    if (b == 0xF0) return {4, 0x90, 0xBF, char32_t(b & 0x07)};
    if (b == 0xF4) return {4, 0x80, 0x8F, char32_t(b & 0x07)};
    if (b >= 0xF1 && b <= 0xF3) return {4, 0x80, 0xBF, char32_t(b & 0x07)};
    return {0, 0, 0, 0};
}

// Decodes one code point at text[pos] and advances pos. A malformed sequence yields one
// U+FFFD for its longest valid start, as the Unicode standard recommends.
char32_t decodeUtf8At(std::string_view text, size_t& pos) {
    const unsigned char lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) return lead;
    const Utf8Lead info = classifyLead(lead);
    if (info.length == 0) return kReplacement;
    char32_t c = info.bits;
    for (int k = 1; k < info.length; ++k) {
        if (pos >= text.size()) return kReplacement;
        const unsigned char b = static_cast<unsigned char>(text[pos]);
        const unsigned char low = k == 1 ? info.secondMin : 0x80;
        const unsigned char high = k == 1 ? info.secondMax : 0xBF;
        if (b < low || b > high) return kReplacement;
        c = (c << 6) | (b & 0x3F);
        ++pos;
    }
    return c;
}

std::u16string unitsFromBytes(std::string_view bytes, bool bigEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        units += bigEndian ? static_cast<char16_t>((first << 8) | second)
                           : static_cast<char16_t>((second << 8) | first);
    }
    // A lone byte at the end is half a code unit.
    if (bytes.size() % 2 != 0) units += static_cast<char16_t>(kReplacement);
    return units;
}

}  // namespace

DecodedText decodeWithByteOrderMark(std::string_view bytes) {
    if (startsWith(bytes, "\xFF\xFE"))
        return {TextEncoding::Utf16LE, utf16ToUtf8(unitsFromBytes(bytes.substr(2), false))};
    if (startsWith(bytes, "\xFE\xFF"))
        return {TextEncoding::Utf16BE, utf16ToUtf8(unitsFromBytes(bytes.substr(2), true))};
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        return {TextEncoding::Utf8, std::string(bytes.substr(3))};
    return {TextEncoding::Ansi, std::string(bytes)};
}

std::string utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (isHighSurrogate(unit) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            const char32_t c = 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            appendUtf8(out, c);
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

std::string utf16leToUtf8(std::string_view bytes) {
    return utf16ToUtf8(unitsFromBytes(bytes.substr(0, bytes.size() & ~size_t(1)), false));
}

std::u16string utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) appendUtf16(out, decodeUtf8At(text, pos));
    return out;
}

}  // namespace qlmr
