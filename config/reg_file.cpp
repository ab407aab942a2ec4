#include "base/file_names.h"
#include "config/reg_file.h"

#include <cstdint>

#include "lang/ini.h"
#include "base/text_conversion.h"

namespace qlmr {

const char* const kRegFileHeader = "Windows Registry Editor Version 5.00";

namespace {

// A line break inside a comment or key name would start a new line that the editor
// imports; the text is informational or a name, so a blank takes its place.
std::string onOneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

std::string quoted(const std::string& text) {
    return "\"" + escapeRegString(text) + "\"";
}

std::string eightHexDigits(unsigned long value) {
    static const char digits[] = "0123456789abcdef";
    const auto dword = static_cast<uint32_t>(value & 0xFFFFFFFFul);
    std::string text(8, '0');
    for (int i = 0; i < 8; ++i) text[7 - i] = digits[(dword >> (4 * i)) & 0xF];
    return text;
}

}  // namespace

std::string escapeRegString(const std::string& value) {
    std::string out;
    out.reserve(value.size() + value.size() / 8);
    for (char c : value) {
        switch (c) {
        case '\0': return out;   // a registry string ends at its first NUL
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default: out += c;
        }
    }
    return out;
}

std::string regCommentLine(int catalogueIndex, const std::string& displayName) {
    return ";" + std::to_string(catalogueIndex) + "-" + onOneLine(displayName);
}

std::string regKeyLine(const std::string& systemName) {
    return "[HKEY_LOCAL_MACHINE" + std::string(kServicesKeyPath) + onOneLine(systemName) + "]";
}

std::string regDwordLine(const std::string& valueName, unsigned long value) {
    return quoted(valueName) + "=dword:" + eightHexDigits(value);
}

std::string regStringLine(const std::string& valueName, const std::string& value) {
    return quoted(valueName) + "=" + quoted(value);
}

std::string regRemovedLine(const std::string& valueName) { return quoted(valueName) + "=-"; }

std::string joinCrLf(const std::vector<std::string>& lines) {
    size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace qlmr

// ---- reading
namespace qlmr {
namespace {

constexpr std::string_view kRegedit4Header = "REGEDIT4";
constexpr std::string_view kBlanks = " \t";

std::string_view trimmed(std::string_view s) {
    const size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Nothing but blanks, or a comment, after the data.
bool onlyCommentLeft(std::string_view rest) {
    rest = trimmed(rest);
    return rest.empty() || rest[0] == ';';
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

// A quoted text from the opening quote at pos; pos ends after the closing quote.
bool readQuoted(std::string_view line, size_t& pos, std::string& out) {
    for (size_t i = pos + 1; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            pos = i + 1;
            return true;
        }
        if (c != '\\' || i + 1 == line.size()) {
            out += c;
            continue;
        }
        switch (line[++i]) {
        case '\\': out += '\\'; break;
        case '"': out += '"'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case '0': out += '\0'; break;
        default: out += '\\'; out += line[i];   // not an escape: both characters stay
        }
    }
    return false;
}

bool readDword(std::string_view data, uint32_t& value) {
    size_t digits = 0;
    value = 0;
    while (digits < data.size() && digits < 9 && hexDigit(data[digits]) >= 0)
        value = (value << 4) | uint32_t(hexDigit(data[digits++]));
    return digits >= 1 && digits <= 8 && onlyCommentLeft(data.substr(digits));
}

// "hex:" or "hex(n):"; the type and what follows the colon.
bool readHexPrefix(std::string_view data, uint32_t& type, std::string_view& rest) {
    if (!startsWithNoCase(data, "hex")) return false;
    data.remove_prefix(3);
    type = 3;
    if (!data.empty() && data[0] == '(') {
        const size_t close = data.find(')');
        if (close == std::string_view::npos || close < 2 || close > 9) return false;
        type = 0;
        for (size_t i = 1; i < close; ++i) {
            if (hexDigit(data[i]) < 0) return false;
            type = (type << 4) | uint32_t(hexDigit(data[i]));
        }
        data.remove_prefix(close + 1);
    }
    if (data.empty() || data[0] != ':') return false;
    rest = data.substr(1);
    return true;
}

// Comma-separated bytes of one line; true with `more` set when a trailing backslash continues it.
bool readHexBytes(std::string_view line, std::string& bytes, bool& more) {
    more = false;
    const size_t comment = line.find(';');
    line = trimmed(line.substr(0, comment));
    if (!line.empty() && line.back() == '\\') {
        more = true;
        line = trimmed(line.substr(0, line.size() - 1));
    }
    size_t i = 0;
    while (i < line.size()) {
        const size_t comma = line.find(',', i);
        const std::string_view item = trimmed(line.substr(i, comma == std::string_view::npos ? comma : comma - i));
        if (item.empty() && comma == std::string_view::npos) break;   // a trailing comma
        if (item.empty() || item.size() > 2 || hexDigit(item[0]) < 0 || hexDigit(item.back()) < 0) return false;
        bytes += char(item.size() == 1 ? hexDigit(item[0]) : (hexDigit(item[0]) << 4) | hexDigit(item[1]));
        if (comma == std::string_view::npos) break;
        i = comma + 1;
    }
    return true;
}

class Reader {
public:
    explicit Reader(std::string_view text) : lines_(splitLines(text)) {}

    RegFileContent read() {
        RegFileContent content;
        if (lines_.empty()) return content;
        const std::string_view header = trimmed(lines_[0]);
        content.unicode = header == kRegFileHeader;
        content.recognised = content.unicode || header == kRegedit4Header;
        if (!content.recognised) return content;
        RegKey* key = nullptr;
        for (next_ = 1; next_ < lines_.size();) {
            const std::string_view line = trimmed(lines_[next_++]);
            if (line.empty() || line[0] == ';') continue;
            if (line[0] == '[') {
                key = readKey(line, content);
                continue;
            }
            RegValue value;
            if (readValue(line, value) && key && !key->deleted) key->values.push_back(std::move(value));
        }
        return content;
    }

private:
    // The key that values then go to; none after a line that names no key.
    static RegKey* readKey(std::string_view line, RegFileContent& content) {
        const size_t close = line.rfind(']');
        if (close == std::string_view::npos || close < 2) return nullptr;
        RegKey key;
        std::string_view path = line.substr(1, close - 1);
        if (path[0] == '-') {
            key.deleted = true;
            path.remove_prefix(1);
        }
        if (path.empty()) return nullptr;
        key.path = std::string(path);
        content.keys.push_back(std::move(key));
        return &content.keys.back();
    }

    bool readValue(std::string_view line, RegValue& value) {
        size_t pos = 0;
        if (line[0] == '@') {
            pos = 1;
        } else if (line[0] != '"' || !readQuoted(line, pos, value.name)) {
            return false;
        }
        std::string_view rest = trimmed(line.substr(pos));
        if (rest.empty() || rest[0] != '=') return false;
        return readData(trimmed(rest.substr(1)), value);
    }

    bool readData(std::string_view data, RegValue& value) {
        if (!data.empty() && data[0] == '"') {
            size_t pos = 0;
            value.kind = RegValueKind::String;
            return readQuoted(data, pos, value.text) && onlyCommentLeft(data.substr(pos));
        }
        if (!data.empty() && data[0] == '-') {
            value.kind = RegValueKind::Delete;
            return onlyCommentLeft(data.substr(1));
        }
        if (startsWithNoCase(data, "dword:")) {
            value.kind = RegValueKind::Dword;
            return readDword(data.substr(6), value.dword);
        }
        std::string_view bytes;
        if (!readHexPrefix(data, value.hexType, bytes)) return false;
        value.kind = RegValueKind::Hex;
        return readContinuedHex(bytes, value.bytes);
    }

    // The bytes of a hex value, over the lines that trailing backslashes join.
    bool readContinuedHex(std::string_view first, std::string& bytes) {
        bool more = false;
        bool good = readHexBytes(first, bytes, more);
        while (more && next_ < lines_.size()) good = readHexBytes(lines_[next_++], bytes, more) && good;
        return good;
    }

    std::vector<std::string_view> lines_;
    size_t next_ = 0;
};

}  // namespace

std::string regFileText(std::string_view bytes, const std::function<std::string(std::string_view)>& ansiToUtf8) {
    if (bytes.size() >= 2 && uint8_t(bytes[0]) == 0xFF && uint8_t(bytes[1]) == 0xFE)
        return utf16leToUtf8(bytes.substr(2));
    return ansiToUtf8(bytes);
}

RegFileContent parseRegFile(std::string_view utf8Text) { return Reader(utf8Text).read(); }

}  // namespace qlmr
