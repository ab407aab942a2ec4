#pragma once
// The saved activity log's bytes: in the ANSI code page, or UTF-16LE with its mark where a letter
// would be lost there; written in pieces, so a long log is never held twice in memory.
#include <string>
#include <vector>

namespace qlmr {

std::string logFileBytes(const std::vector<std::string>& lines);
// Through a temporary file and a rename; throws cannotCreate.
void writeLogFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace qlmr
