#include "lang/control_entry.h"

namespace qlmr {
namespace {

std::string replaceAll(std::string s, const std::string& from, const std::string& to) {
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size())) s.replace(at, from.size(), to);
    return s;
}

}  // namespace

std::string lineBreaksFromFile(const std::string& value) { return replaceAll(value, "\\n", "\r\n"); }

std::string lineBreaksToFile(const std::string& text) { return replaceAll(replaceAll(text, "\r\n", "\\n"), "\n", "\\n"); }

std::optional<ControlEntry> controlEntry(const IniText& file, const std::string& name) {
    std::string text = file.read(kControlSection, name, kNoEntry);
    if (text == kNoEntry) return std::nullopt;
    return ControlEntry{lineBreaksFromFile(text), file.read(kControlSection, name + "Hnt", kNoEntry)};
}

}  // namespace qlmr
