// Message texts from language files: formatting either succeeds with the one argument in
// place or fails with FormatError, never anything else.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "lang/message_format.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

// Length the result must have: each "%%" shrinks by one, the "%s" becomes the argument.
size_t expectedLength(const std::string& text, const std::string& argument) {
    size_t length = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%') {
            length += (i + 1 < text.size() && text[i + 1] == '%') ? 1 : argument.size();
            ++i;
        } else {
            ++length;
        }
    }
    return length;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Text and argument are separated by the first NUL byte.
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\0');
    const std::string text = input.substr(0, split);
    const std::string argument = split == std::string::npos ? "Backup of 07.12.2026 02.27.01.reg"
                                                            : input.substr(split + 1);
    try {
        const std::string result = qlmr::formatMessage(text, argument);
        require(result.size() == expectedLength(text, argument));
        if (text.find('%') == std::string::npos) require(result == text);
    } catch (const qlmr::FormatError& error) {
        require(std::string(error.what()).find(text) != std::string::npos);
    }
    return 0;
}
