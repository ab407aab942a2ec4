#include "platform/ansi_table.h"

#include <windows.h>

namespace qlmr {

std::optional<std::array<uint32_t, 256>> ansiCodePageTable() {
    CPINFO info{};
    if (!GetCPInfo(CP_ACP, &info) || info.MaxCharSize != 1) return std::nullopt;
    std::array<uint32_t, 256> table{};
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        wchar_t wide = 0;
        table[size_t(b)] = MultiByteToWideChar(CP_ACP, 0, &byte, 1, &wide, 1) == 1 ? uint32_t(wide) : 0xFFFFFFFFu;
    }
    return table;
}

}  // namespace qlmr
