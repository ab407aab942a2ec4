#include "services/list_readers.h"

#include "lang/lang_text.h"
#include "platform/files.h"
#include "services/list_file.h"

namespace qlmr {

// A byte-order mark is a mark here too: read as ANSI it would sit in front of the first entry.
std::vector<std::string> readAnsiList(const std::string& path, unsigned codePage) {
    return readUnicodeList(path, codePage);
}

std::vector<std::string> readUnicodeList(const std::string& path, unsigned codePage) {
    DecodedText decoded = decodeWithByteOrderMark(readFileBytes(path));
    if (decoded.encoding == TextEncoding::Ansi) decoded.text = decodeDeclared(decoded.text, codePage);
    return splitListLines(decoded.text);
}

}  // namespace qlmr
