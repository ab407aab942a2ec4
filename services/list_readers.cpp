#include "services/list_readers.h"

#include "lang/lang_text.h"
#include "platform/files.h"
#include "services/list_file.h"

namespace qlmr {

std::vector<std::string> readAnsiList(const std::string& path, unsigned codePage) {
    std::vector<std::string> lines = splitListLines(readFileBytes(path));
    for (std::string& l : lines) l = decodeDeclared(l, codePage);
    return lines;
}

std::vector<std::string> readUnicodeList(const std::string& path, unsigned codePage) {
    DecodedText decoded = decodeWithByteOrderMark(readFileBytes(path));
    if (decoded.encoding == TextEncoding::Ansi) decoded.text = decodeDeclared(decoded.text, codePage);
    return splitListLines(decoded.text);
}

}  // namespace qlmr
