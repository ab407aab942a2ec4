#include "services/list_readers.h"

#include "platform/files.h"
#include "platform/text_codec.h"
#include "services/list_file.h"

namespace qlmr {

std::vector<std::string> readAnsiList(const std::string& path) {
    std::vector<std::string> lines = splitListLines(readFileBytes(path));
    for (std::string& l : lines) l = ansiToUtf8(l);
    return lines;
}

std::vector<std::string> readUnicodeList(const std::string& path) {
    DecodedText decoded = decodeWithByteOrderMark(readFileBytes(path));
    if (decoded.encoding == TextEncoding::Ansi) decoded.text = ansiToUtf8(decoded.text);
    return splitListLines(decoded.text);
}

}  // namespace qlmr
