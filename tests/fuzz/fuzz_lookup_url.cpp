// Process names from the process list: the lookup address built from any name is a web
// address, and path splitting loses nothing.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "procs/lookup_url.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string percentDecode(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        require(i + 2 < text.size());
        const int high = hexValue(text[i + 1]);
        const int low = hexValue(text[i + 2]);
        require(high >= 0 && low >= 0);
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path(reinterpret_cast<const char*>(data), size);
    const std::string name = qlmr::fileNamePart(path);
    const std::string folder = qlmr::folderPart(path);
    require(folder + name == path);
    require(name.find_first_of("\\:") == std::string::npos);

    const std::string encoded = qlmr::percentEncode(name);
    require(percentDecode(encoded) == name);
    require(qlmr::isWebUrl("http://www.example.org/search?hl=en&q=" + encoded));

    (void)qlmr::isWebUrl(path);
    return 0;
}
