#include "services/list_check.h"

namespace qlmr {
namespace {

size_t utf8Length(const std::string& s) {
    size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

// The files whose length differs from the one most lists share; all of them when none is shared.
std::vector<size_t> oddLists(const std::vector<LoadedList>& lists) {
    std::vector<size_t> odd;
    size_t common = lists.front().entries.size();
    size_t best = 0;
    for (const LoadedList& a : lists) {
        size_t same = 0;
        for (const LoadedList& b : lists) same += a.entries.size() == b.entries.size();
        if (same > best) best = same, common = a.entries.size();
    }
    for (size_t i = 0; i < lists.size(); ++i)
        if (best == 1 || lists[i].entries.size() != common) odd.push_back(i);
    return odd;
}

std::string lengthProblem(const std::vector<LoadedList>& lists) {
    std::string named, counts;
    for (size_t i : oddLists(lists)) named += (named.empty() ? "" : ", ") + lists[i].fileName;
    for (const LoadedList& l : lists)
        counts += (counts.empty() ? "" : ", ") + l.fileName + " — " + std::to_string(l.entries.size());
    return "Списки служб разной длины, проверьте " + named + " (строк: " + counts + ")";
}

}  // namespace

bool isValidKeyName(const std::string& name) {
    if (name.empty() || utf8Length(name) > 255) return false;
    for (unsigned char c : name)
        if (c == '\\' || c < 0x20 || c == 0x7F) return false;
    return true;
}

std::optional<std::string> listFilesProblem(const std::vector<LoadedList>& lists, size_t systemNames) {
    if (lists.empty()) return std::nullopt;
    for (const LoadedList& l : lists)
        if (l.entries.size() != lists.front().entries.size()) return lengthProblem(lists);
    const LoadedList& names = lists.at(systemNames);
    for (size_t i = 0; i < names.entries.size(); ++i)
        if (!isValidKeyName(names.entries[i]))
            return "В файле " + names.fileName + " строка " + std::to_string(i + 1) +
                   " не является именем раздела реестра: \"" + names.entries[i] + "\"";
    return std::nullopt;
}

}  // namespace qlmr
