#pragma once
// The full path of a process's executable the way Windows Vista and later give it: with the
// limited query right, which also opens protected processes, other users' and, from a 32-bit
// program on 64-bit Windows, 64-bit ones, whose modules psapi cannot read.
#include <string>

namespace qlmr {

// False on systems without QueryFullProcessImageNameW (Windows XP), and for a process that
// cannot be opened or named; path keeps at most `limit` characters, as the module path does.
bool fullImagePath(unsigned long processId, size_t limit, std::string& path);

}  // namespace qlmr
