#include "app/log_encoding.h"

namespace qlmr {
namespace {

// The next code point of UTF-8 text at i, advancing i; nothing for a malformed sequence.
std::optional<uint32_t> nextCodePoint(std::string_view s, size_t& i) {
    const uint8_t b = uint8_t(s[i]);
    if (b < 0x80) {
        ++i;
        return b;
    }
    const int extra = b >= 0xF0 && b < 0xF5 ? 3 : b >= 0xE0 && b < 0xF0 ? 2 : b >= 0xC2 && b < 0xE0 ? 1 : -1;
    if (extra < 0 || i + size_t(extra) >= s.size()) {
        ++i;
        return std::nullopt;
    }
    uint32_t cp = b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        const uint8_t c = uint8_t(s[i + size_t(k)]);
        if ((c & 0xC0) != 0x80) {
            ++i;
            return std::nullopt;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    const uint32_t least[] = {0, 0x80, 0x800, 0x10000};
    i += size_t(extra) + 1;
    if (cp < least[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    return cp;
}

void appendUnit(std::string& out, uint32_t unit) {
    out += char(unit & 0xFF);
    out += char((unit >> 8) & 0xFF);
}

}  // namespace

SingleByteEncoder::SingleByteEncoder(const CodePageTable& table) {
    for (size_t b = 0; b < table.size(); ++b) {
        const uint32_t cp = table[b];
        if (cp >= 0x10000 || mapped_[cp]) continue;   // the first byte of a code point wins, as the system's does
        mapped_[cp] = true;
        byteOf_[cp] = uint8_t(b);
    }
}

std::optional<std::string> SingleByteEncoder::encode(std::string_view utf8) const {
    std::string out;
    out.resize(utf8.size());
    size_t n = 0;
    for (size_t i = 0; i < utf8.size();) {
        const uint8_t b = uint8_t(utf8[i]);
        if (b < 0x80 && mapped_[b] && byteOf_[b] == b) {   // the common case: ASCII as itself
            out[n++] = char(b);
            ++i;
            continue;
        }
        const std::optional<uint32_t> cp = nextCodePoint(utf8, i);
        if (!cp || *cp >= 0x10000 || !mapped_[*cp]) return std::nullopt;
        out[n++] = char(byteOf_[*cp]);
    }
    out.resize(n);
    return out;
}

std::string utf16leWithMark(std::string_view utf8) {
    std::string out = "\xFF\xFE";
    out.reserve(2 + utf8.size() * 2);
    for (size_t i = 0; i < utf8.size();) {
        const uint32_t cp = nextCodePoint(utf8, i).value_or(0xFFFD);
        if (cp < 0x10000) {
            appendUnit(out, cp);
        } else {
            appendUnit(out, 0xD800 + ((cp - 0x10000) >> 10));
            appendUnit(out, 0xDC00 + ((cp - 0x10000) & 0x3FF));
        }
    }
    return out;
}

}  // namespace qlmr
