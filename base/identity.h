#pragma once
// The program's identity strings; the names of its files and folders are in file_names.h.
#include "base/file_names.h"

namespace qlmr {

constexpr const char* kApplicationTitle = "Quillmere (QLMR) by Tovenar studio";
constexpr const char* kWindowTitle = "Quillmere (QLMR) by Palewick Workshop";
constexpr const char* kInstanceName = "Palewick";

}  // namespace qlmr
