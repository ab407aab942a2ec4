// Registry-file lines: escaped strings read back to the original text as the registry
// editor unescapes them, and no value can break out of its line.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "config/reg_file.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

// The editor's reading of a quoted string body; false when it would end early.
bool unescape(const std::string& escaped, std::string& out) {
    for (size_t i = 0; i < escaped.size(); ++i) {
        const char c = escaped[i];
        if (c == '"') return false;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == escaped.size()) return false;
        switch (escaped[i]) {
        case 'r': out += '\r'; break;
        case 'n': out += '\n'; break;
        case '\\': case '"': out += escaped[i]; break;
        default: return false;
        }
    }
    return true;
}

bool isOneLine(const std::string& line) {
    return line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string registryText = input.substr(0, input.find('\0'));

    std::string readBack;
    require(unescape(qlmr::escapeRegString(input), readBack));
    require(readBack == registryText);

    require(isOneLine(qlmr::regStringLine(input, input)));
    require(isOneLine(qlmr::regCommentLine(static_cast<int>(size), registryText)));
    require(isOneLine(qlmr::regKeyLine(registryText)));

    unsigned long value = 0;
    for (size_t i = 0; i < size && i < sizeof value; ++i) value = (value << 8) | data[i];
    const std::string dword = qlmr::regDwordLine("Start", value);
    require(dword.size() == std::string("\"Start\"=dword:00000000").size());

    const std::string text = qlmr::joinCrLf({qlmr::kRegFileHeader, qlmr::regKeyLine(registryText)});
    require(text.size() >= 4 && text.compare(text.size() - 2, 2, "\r\n") == 0);
    return 0;
}
