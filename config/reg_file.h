#pragma once
// The registry file text that the program writes for the registry editor.
#include <string>
#include <vector>

namespace qlmr {

extern const char* const kRegFileHeader;        // "Windows Registry Editor Version 5.00"
extern const char* const kServicesKeyPath;      // "\SYSTEM\CurrentControlSet\Services\"

// A string value between quotes as the editor reads it back: "\" and `"` are escaped, CR and LF
// become "\r" and "\n", and the text ends at a NUL as a registry string does.
std::string escapeRegString(const std::string& value);

std::string regCommentLine(int catalogueIndex, const std::string& displayName);   // ";11-Name"
std::string regKeyLine(const std::string& systemName);   // "[HKEY_LOCAL_MACHINE\SYSTEM\...\name]"
std::string regDwordLine(const std::string& valueName, unsigned long value);   // `"Start"=dword:00000004`
std::string regStringLine(const std::string& valueName, const std::string& value);
std::string regRemovedLine(const std::string& valueName);   // `"Description"=-`

// Joins lines, each ended by CR LF.
std::string joinCrLf(const std::vector<std::string>& lines);

}  // namespace qlmr
