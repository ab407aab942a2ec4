#include "base/file_names.h"
#include "config/reg_sections.h"

#include <vector>

#include "config/reg_file.h"
#include "config/start_preview.h"
#include "base/text_conversion.h"

namespace qlmr {
namespace {

// Lines with their own line ends (CR LF, LF or CR), so a copy keeps the bytes it keeps.
std::vector<std::string_view> linesWithEnds(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        else if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') end += 2;
        else end += 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string_view withoutEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    return line;
}

std::string keepSections(std::string_view text, const std::function<bool(const std::string&)>& keep) {
    std::string out, pendingComment;
    bool keeping = true;
    for (std::string_view line : linesWithEnds(text)) {
        const std::string_view content = withoutEnd(line);
        if (!content.empty() && content[0] == '[') {
            const std::string service = serviceOfKeyLine(content);
            keeping = service.empty() || keep(service);
            if (keeping) out.append(pendingComment).append(line);
            pendingComment.clear();
            continue;
        }
        if (keeping) out += pendingComment;
        pendingComment.clear();
        if (!content.empty() && content[0] == ';')
            pendingComment = std::string(line);   // goes with the section below it
        else if (keeping)
            out.append(line);
    }
    if (keeping) out += pendingComment;
    return out;
}

}  // namespace

std::string serviceOfKeyLine(std::string_view line) {
    static const std::string branch = std::string(kLocalMachineRoot) + kServicesKeyPath;
    if (line.empty() || line[0] != '[') return {};
    line.remove_prefix(1);
    if (!line.empty() && line[0] == '-') line.remove_prefix(1);
    if (!startsWithNoCase(line, branch)) return {};
    line.remove_prefix(branch.size());
    const size_t end = line.find_first_of("\\]");
    if (end == std::string_view::npos || end == 0) return {};
    return std::string(line.substr(0, end));
}

std::string keepServiceSections(std::string_view fileBytes, const std::function<bool(const std::string&)>& keep) {
    if (fileBytes.size() < 2 || fileBytes.substr(0, 2) != "\xFF\xFE") return keepSections(fileBytes, keep);
    const DecodedText decoded = decodeWithByteOrderMark(fileBytes);
    const std::u16string units = utf8ToUtf16(keepSections(decoded.text, keep));
    std::string out = "\xFF\xFE";
    for (char16_t u : units) out.append({char(u & 0xFF), char(u >> 8)});
    return out;
}

std::map<std::string, ServiceTexts, NoCaseLess> readServiceTexts(std::string_view text) {
    std::map<std::string, ServiceTexts, NoCaseLess> texts;
    for (const RegKey& key : parseRegFile(text).keys) {
        const std::string service = serviceOfKeyPath(key.path);   // a subkey's values are no texts of the service
        if (key.deleted || service.empty()) continue;
        ServiceTexts& current = texts[service] = ServiceTexts{};
        for (const RegValue& value : key.values) {
            if (value.kind != RegValueKind::String && value.kind != RegValueKind::Delete) continue;
            const RegText read{value.kind == RegValueKind::Delete, value.text};
            if (sameNameNoCase(value.name, "Description")) current.description = read;
            if (sameNameNoCase(value.name, "DisplayName")) current.displayName = read;
        }
    }
    return texts;
}

}  // namespace qlmr
