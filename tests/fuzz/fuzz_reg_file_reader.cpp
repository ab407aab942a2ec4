// Reading registry files: any bytes read without fault, keys are never nameless, and a string
// value as the program writes it reads back to its text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "config/reg_file.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

std::string asIs(std::string_view bytes) { return std::string(bytes); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);

    for (const std::string& text : {qlmr::regFileText(input, asIs), "REGEDIT4\r\n" + input,
                                    std::string(qlmr::kRegFileHeader) + "\n[K]\n" + input}) {
        const qlmr::RegFileContent content = qlmr::parseRegFile(text);
        for (const qlmr::RegKey& key : content.keys) {
            require(!key.path.empty());
            require(!key.deleted || key.values.empty());
        }
    }

    const std::string registryText = input.substr(0, input.find('\0'));
    const qlmr::RegFileContent written = qlmr::parseRegFile(qlmr::joinCrLf(
        {qlmr::kRegFileHeader, qlmr::regKeyLine("Spooler"), qlmr::regStringLine("Description", input)}));
    require(written.keys.size() == 1 && written.keys[0].values.size() == 1);
    require(written.keys[0].values[0].text == registryText);
    return 0;
}
