#pragma once
// The text of a language file and of its display-name file, in UTF-8. A file may say which code
// page it is in: a byte-order mark (UTF-8, UTF-16), or the key CodePage in its [About] section
// (1251, 1252, 65001, ...), which also holds for the language's display-name file. A file
// without either is read in the system's ANSI code page.
#include <optional>
#include <string>
#include <string_view>

namespace qlmr {

// The number that CodePage in [About] gives, or 0 when there is none.
unsigned declaredCodePage(std::string_view fileBytes);

// The file's text in UTF-8 by its mark or its declaration; nothing when it cannot be read.
std::optional<std::string> readLanguageText(const std::string& path);

// The code page that a language file declares for itself and its display-name file; 0 when it
// declares none or cannot be read.
unsigned languageCodePage(const std::string& languageFilePath);

// Bytes without a byte-order mark in the code page (0: the ANSI code page) to UTF-8.
std::string decodeDeclared(std::string_view bytes, unsigned codePage);

}  // namespace qlmr
