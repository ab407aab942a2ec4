#include "lang/lang_text.h"

#include "lang/ini.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "base/text_conversion.h"

namespace qlmr {

unsigned declaredCodePage(std::string_view fileBytes) {
    const std::string value = IniText(fileBytes).read("About", "CodePage", "");
    if (value.empty() || value.size() > 5 || value.find_first_not_of("0123456789") != std::string::npos) return 0;
    return unsigned(std::stoul(value));
}

std::string decodeDeclared(std::string_view bytes, unsigned codePage) {
    return codePage ? codePageToUtf8(bytes, codePage) : ansiToUtf8(bytes);
}

std::optional<std::string> readLanguageText(const std::string& path) {
    std::string bytes;
    try {
        bytes = readFileBytes(path);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    DecodedText decoded = decodeWithByteOrderMark(bytes);
    if (decoded.encoding != TextEncoding::Ansi) return decoded.text;
    return decodeDeclared(bytes, declaredCodePage(bytes));
}

unsigned languageCodePage(const std::string& languageFilePath) {
    if (!fileExists(languageFilePath)) return 0;
    try {
        return declaredCodePage(readFileBytes(languageFilePath));
    } catch (const std::exception&) {
        return 0;
    }
}

}  // namespace qlmr
