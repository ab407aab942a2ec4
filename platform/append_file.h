#pragma once
// Files that only grow, and files that are written once and never replaced.
#include <string>

namespace qlmr {

// Adds the bytes at the end of the file, making it when it is missing. Throws cannotCreate.
void appendToFile(const std::string& path, const std::string& bytes);
// Writes a file that must not exist yet; false (nothing written) when it does. Throws cannotCreate.
bool writeNewFile(const std::string& path, const std::string& bytes);

}  // namespace qlmr
