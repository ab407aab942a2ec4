// Reads arbitrary bytes as an INI text and asks for names taken from the input itself.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lang/ini.h"

namespace {

std::string flipCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

void require(bool condition) {
    if (!condition) std::abort();
}

// Every lookup obeys the cap, the fallback rule and case-insensitive names.
void checkLookup(const qlmr::IniText& ini, const std::string& section, const std::string& key) {
    const auto found = ini.value(section, key);
    const std::string read = ini.read(section, key, "No Comments :)");
    if (found) {
        size_t characters = 0;
        for (char c : *found) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        require(characters <= qlmr::kProfileValueLimit);
        require(read == *found);
        require(ini.hasSection(section));
    } else {
        require(read == "No Comments :)");
    }
    require(ini.value(flipCase(section), flipCase(key)) == found);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const qlmr::IniText ini(text);
    checkLookup(ini, "Msg", "msg1");
    checkLookup(ini, "Program", "LangName");

    // A name pair from the input's first line, split at its first '='.
    const std::string_view first = text.substr(0, text.find_first_of("\r\n"));
    const size_t equals = first.find('=');
    if (equals != std::string_view::npos)
        checkLookup(ini, std::string(first.substr(0, equals)), std::string(first.substr(equals + 1)));
    return 0;
}
