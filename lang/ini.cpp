#include "lang/ini.h"

#include <algorithm>

namespace qlmr {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The profile reader drops one pair of matching quotes around a value.
std::string_view stripQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// Counted in characters of UTF-8 text, so a cut never splits a letter.
std::string capped(std::string_view text) {
    size_t characters = 0, end = 0;
    for (; end < text.size(); ++end) {
        const bool continuation = (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80;
        if (!continuation && characters++ == kProfileValueLimit) break;
    }
    return std::string(text.substr(0, end));
}

// Calls onLine for every line; a line ends at CR LF, CR or LF.
template <typename OnLine>
void forEachLine(std::string_view text, OnLine onLine) {
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            onLine(text.substr(start));
            return;
        }
        onLine(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
}

}  // namespace

IniText::IniText(std::string_view text) {
    // Keys before the first section and keys of a repeated section are never found by the
    // profile reader, which stops at the first section of a name.
    std::map<std::string, std::string, NoCaseLess>* current = nullptr;
    forEachLine(text, [&](std::string_view rawLine) {
        const std::string_view line = trimBlanks(rawLine);
        if (line.empty() || line.front() == ';') return;
        const size_t close = line.rfind(']');
        if (line.front() == '[' && close != std::string_view::npos) {
            const std::string name(trimBlanks(line.substr(1, close - 1)));
            const bool isNew = sections_.find(name) == sections_.end();
            current = isNew ? &sections_[name] : nullptr;
            return;
        }
        const size_t equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos) return;
        const std::string key(trimBlanks(line.substr(0, equals)));
        current->emplace(key, std::string(trimBlanks(line.substr(equals + 1))));
    });
}

std::optional<std::string> IniText::value(const std::string& section, const std::string& key) const {
    const auto found = sections_.find(section);
    if (found == sections_.end()) return std::nullopt;
    const auto entry = found->second.find(key);
    if (entry == found->second.end()) return std::nullopt;
    return capped(stripQuotes(entry->second));
}

std::string IniText::read(const std::string& section, const std::string& key,
                          const std::string& fallback) const {
    std::optional<std::string> found = value(section, key);
    return found ? *found : capped(fallback);
}

bool IniText::hasSection(const std::string& section) const {
    return sections_.find(section) != sections_.end();
}

}  // namespace qlmr
