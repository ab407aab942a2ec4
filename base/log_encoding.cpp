#include "base/log_encoding.h"

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
    for (uint32_t c = 0; c < 0x80; ++c) asciiAsItself_ = asciiAsItself_ && mapped_[c] && byteOf_[c] == c;
}

std::optional<std::string> SingleByteEncoder::encode(std::string_view utf8) const {
    std::string out;
    out.reserve(utf8.size());
    if (!appendTo(utf8, out)) return std::nullopt;
    return out;
}

bool SingleByteEncoder::fits(std::string_view utf8) const {
    for (size_t i = 0; i < utf8.size();) {
        const uint8_t b = uint8_t(utf8[i]);
        if (b < 0x80 && mapped_[b] && byteOf_[b] == b) {
            ++i;
            continue;
        }
        const std::optional<uint32_t> cp = nextCodePoint(utf8, i);
        if (!cp || *cp >= 0x10000 || !mapped_[*cp]) return false;
    }
    return true;
}

// Written through a pointer into room made once: a byte at a time through the string's own
// append costs more than the disk does.
bool SingleByteEncoder::appendTo(std::string_view utf8, std::string& out) const {
    const size_t start = out.size();
    out.resize(start + utf8.size());   // never more bytes than the UTF-8 has
    char* to = &out[start];
    const uint8_t* from = reinterpret_cast<const uint8_t*>(utf8.data());
    for (size_t i = 0; i < utf8.size();) {
        const uint8_t b = from[i];
        if (b < 0x80 && asciiAsItself_) {   // the common case: ASCII as itself
            *to++ = char(b);
            ++i;
            continue;
        }
        const std::optional<uint32_t> cp = nextCodePoint(utf8, i);
        if (!cp || *cp >= 0x10000 || !mapped_[*cp]) {
            out.resize(start);
            return false;
        }
        *to++ = char(byteOf_[*cp]);
    }
    out.resize(size_t(to - out.data()));
    return true;
}

std::string utf16leWithMark(std::string_view utf8) {
    std::string out = "\xFF\xFE";
    out.reserve(2 + utf8.size() * 2);
    appendUtf16le(utf8, out);
    return out;
}

void appendUtf16le(std::string_view utf8, std::string& out) {
    for (size_t i = 0; i < utf8.size();) {
        const uint32_t cp = nextCodePoint(utf8, i).value_or(0xFFFD);
        if (cp < 0x10000) {
            appendUnit(out, cp);
        } else {
            appendUnit(out, 0xD800 + ((cp - 0x10000) >> 10));
            appendUnit(out, 0xDC00 + ((cp - 0x10000) & 0x3FF));
        }
    }
}

}  // namespace qlmr
