#include "platform/ansi_table.h"

#include <windows.h>

namespace qlmr {
namespace {

std::unique_ptr<SingleByteEncoder> makeAnsiEncoder() {
    CPINFO info{};
    if (!GetCPInfo(CP_ACP, &info) || info.MaxCharSize != 1) return nullptr;
    CodePageTable table{};
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        wchar_t wide = 0;
        table[size_t(b)] = MultiByteToWideChar(CP_ACP, 0, &byte, 1, &wide, 1) == 1 ? uint32_t(wide) : 0xFFFFFFFFu;
    }
    return std::make_unique<SingleByteEncoder>(table);
}

}  // namespace

const SingleByteEncoder* ansiSingleByteEncoder() {
    static const std::unique_ptr<SingleByteEncoder> encoder = makeAnsiEncoder();
    return encoder.get();
}

}  // namespace qlmr
