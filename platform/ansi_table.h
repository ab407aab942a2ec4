#pragma once
// The system's ANSI code page as a table, for encoders that work in one pass.
#include <memory>

#include "app/log_encoding.h"

namespace qlmr {

// The encoder of the ANSI code page, made once; null where that page is not single-byte.
const SingleByteEncoder* ansiSingleByteEncoder();

}  // namespace qlmr
