#include "app/log_file.h"

#include <functional>
#include <memory>
#include <string_view>

#include "base/log_encoding.h"
#include "platform/ansi_table.h"
#include "platform/atomic_writer.h"
#include "platform/text_codec.h"

namespace qlmr {
namespace {

// The encoder of the ANSI code page, made once; null where that page is not single-byte.
const SingleByteEncoder* ansiSingleByteEncoder() {
    static const std::unique_ptr<SingleByteEncoder> encoder = [] {
        const auto table = ansiCodePageTable();
        return table ? std::make_unique<SingleByteEncoder>(*table) : nullptr;
    }();
    return encoder.get();
}

constexpr size_t kChunk = 1 << 20;

// In the ANSI code page, or UTF-16LE with its mark where a letter would be lost there. Handed
// over in pieces of about a megabyte where the page is single-byte, so that a long log is never
// held twice in memory and saves at about disk speed.
// One pass in the code page; a line that does not fit there starts the output again in UTF-16.
void forEachLogChunk(const std::vector<std::string>& lines, const std::function<void(std::string_view)>& take,
                     const std::function<void()>& restart) {
    const SingleByteEncoder* encoder = ansiSingleByteEncoder();
    if (!encoder) {
        std::string out;
        for (const std::string& l : lines) out += l + "\r\n";
        take(ansiOrUtf16(out));
        return;
    }
    std::string chunk;
    chunk.reserve(kChunk + 4096);
    bool ansi = true;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (ansi && !encoder->appendTo(lines[i], chunk)) {
            ansi = false;
            restart();
            chunk = "\xFF\xFE";
            i = size_t(-1);   // from the first line again
            continue;
        }
        if (ansi) {
            chunk += "\r\n";
        } else {
            appendUtf16le(lines[i], chunk);
            chunk.append("\r\0\n\0", 4);
        }
        if (chunk.size() >= kChunk) {
            take(chunk);
            chunk.clear();
        }
    }
    take(chunk);
}

}  // namespace

std::string logFileBytes(const std::vector<std::string>& lines) {
    std::string out;
    forEachLogChunk(lines, [&](std::string_view piece) { out += piece; }, [&] { out.clear(); });
    return out;
}

void writeLogFile(const std::string& path, const std::vector<std::string>& lines) {
    AtomicFileWriter file(path);
    forEachLogChunk(lines, [&](std::string_view piece) { file.write(piece); }, [&] { file.rewind(); });
    file.commit();
}


}  // namespace qlmr
