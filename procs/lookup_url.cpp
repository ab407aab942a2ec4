#include "procs/lookup_url.h"

#include "lang/ini.h"

namespace qlmr {

namespace {

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isUnreserved(char c) {
    return isAsciiLetter(c) || isDigit(c) || c == '-' || c == '.' || c == '_' || c == '~';
}

// Characters a URI may hold at all: unreserved, reserved and the percent sign.
bool isUriCharacter(char c) {
    static const std::string others = ":/?#[]@!$&'()*+,;=%";
    return isUnreserved(c) || others.find(c) != std::string::npos;
}

bool isHostCharacter(char c) {
    return isAsciiLetter(c) || isDigit(c) || c == '-' || c == '.' || c == ':';
}

size_t lastSeparator(const std::string& path) {
    return path.find_last_of("\\:");
}

}  // namespace

std::string percentEncode(const std::string& text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (char c : text) {
        if (isUnreserved(c)) {
            out += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            out += '%';
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        }
    }
    return out;
}

bool isWebUrl(const std::string& text) {
    size_t hostStart;
    if (startsWithNoCase(text, "http://"))
        hostStart = 7;
    else if (startsWithNoCase(text, "https://"))
        hostStart = 8;
    else
        return false;
    for (char c : text)
        if (!isUriCharacter(c)) return false;
    size_t hostEnd = text.find_first_of("/?#", hostStart);
    if (hostEnd == std::string::npos) hostEnd = text.size();
    if (hostEnd == hostStart) return false;
    for (size_t i = hostStart; i < hostEnd; ++i)
        if (!isHostCharacter(text[i])) return false;
    return isAsciiLetter(text[hostStart]) || isDigit(text[hostStart]);
}

std::string fileNamePart(const std::string& path) {
    const size_t separator = lastSeparator(path);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string folderPart(const std::string& path) {
    const size_t separator = lastSeparator(path);
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

}  // namespace qlmr
