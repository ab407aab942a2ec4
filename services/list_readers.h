#pragma once
// Reading the catalogue's list files into lists of UTF-8 entries.
#include <string>
#include <vector>

namespace qlmr {

// The bytes as text in the code page (0: the ANSI code page); a file with a byte-order mark is
// read in the encoding the mark names, without the mark.
std::vector<std::string> readAnsiList(const std::string& path, unsigned codePage = 0);
// With byte-order-mark detection: UTF-16 LE/BE, UTF-8, else the code page (0: ANSI).
std::vector<std::string> readUnicodeList(const std::string& path, unsigned codePage = 0);

}  // namespace qlmr
