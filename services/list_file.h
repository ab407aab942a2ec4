#pragma once
// The list files of the catalogue: one entry per line, lines end at CR LF, CR or LF, a line end
// after the last entry adds no entry, an empty line is an entry.
#include <string>
#include <string_view>
#include <vector>

#include "base/text_conversion.h"

namespace qlmr {

std::vector<std::string> splitListLines(std::string_view text);

}  // namespace qlmr
