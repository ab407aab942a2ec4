#include "lang/message_format.h"

namespace qlmr {

namespace {

[[noreturn]] void rejectFormat(const std::string& text) {
    throw FormatError("Format '" + text + "' invalid or incompatible with argument");
}

}  // namespace

std::string formatMessage(const std::string& text, const std::string& argument) {
    std::string result;
    result.reserve(text.size() + argument.size());
    bool argumentUsed = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            result += text[i];
            continue;
        }
        const char type = i + 1 < text.size() ? text[i + 1] : '\0';
        if (type == '%') {
            result += '%';
        } else if (type == 's' && !argumentUsed) {
            result += argument;
            argumentUsed = true;
        } else {
            rejectFormat(text);
        }
        ++i;
    }
    return result;
}

}  // namespace qlmr
