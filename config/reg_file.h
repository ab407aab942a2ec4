#pragma once
// The registry file text that the program writes for the registry editor, and the reader of
// such files (the program's own, the shipped presets and the editor's exports).
#include "base/file_names.h"
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qlmr {

extern const char* const kRegFileHeader;        // "Windows Registry Editor Version 5.00"

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

// ---- reading

enum class RegValueKind { String, Dword, Hex, Delete };

struct RegValue {
    std::string name;          // empty for the key's default value (@)
    RegValueKind kind = RegValueKind::String;
    std::string text;          // String: UTF-8, unescaped
    uint32_t dword = 0;        // Dword
    uint32_t hexType = 3;      // Hex: the type of hex(n):, 3 (binary) for plain hex:
    std::string bytes;         // Hex: the data as written
};

struct RegKey {
    std::string path;          // as written between the brackets, without a leading '-'
    bool deleted = false;      // [-path]
    std::vector<RegValue> values;
};

struct RegFileContent {
    bool recognised = false;   // a known header: without one the editor imports nothing
    bool unicode = false;      // "Windows Registry Editor Version 5.00" (hex(2) and hex(7) data in UTF-16LE)
    std::vector<RegKey> keys;  // in file order; a key named twice appears twice
};

// The file's bytes as UTF-8 text: UTF-16LE after its byte-order mark, otherwise single-byte text
// decoded by the caller's ANSI code page.
std::string regFileText(std::string_view bytes, const std::function<std::string(std::string_view)>& ansiToUtf8);

// Reads the text as the registry editor does: lines that it would not import are skipped.
RegFileContent parseRegFile(std::string_view utf8Text);

}  // namespace qlmr
