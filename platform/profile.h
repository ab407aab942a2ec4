#pragma once
// The system's profile (INI) functions, read afresh every time.
#include <string>

namespace qlmr {

// GetPrivateProfileStringA with a 2048-byte buffer: at most 2047 characters.
std::string readProfileString(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& fallback);
// Throws "Unable to write to <file>" when the system refuses.
void writeProfileString(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value);

}  // namespace qlmr
