#pragma once
// The system's ANSI code page as a table, for encoders that work in one pass.
#include <array>
#include <cstdint>
#include <optional>

namespace qlmr {

// The code point of every byte of the ANSI code page (0xFFFFFFFF for a byte with none);
// nothing where that page is not single-byte.
std::optional<std::array<uint32_t, 256>> ansiCodePageTable();

}  // namespace qlmr
