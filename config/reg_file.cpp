#include "config/reg_file.h"

#include <cstdint>

namespace qlmr {

const char* const kRegFileHeader = "Windows Registry Editor Version 5.00";
const char* const kServicesKeyPath = "\\SYSTEM\\CurrentControlSet\\Services\\";

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
