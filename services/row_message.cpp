#include "services/row_message.h"

namespace qlmr {

// A letter starts at every byte that is not a continuation byte (10xxxxxx).
std::string firstLetters(std::string_view utf8, size_t count) {
    size_t letters = 0;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const bool starts = (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80;
        if (starts && letters++ == count) return std::string(utf8.substr(0, i));
    }
    return std::string(utf8);
}

std::string serviceRowMessage(std::string_view name, std::string_view state) {
    return firstLetters(name, 255) + "-" + std::string(state);
}

}  // namespace qlmr
