#pragma once
// Whether the catalogue's three list files agree: the same number of lines, and a system name
// on every line that can name a registry key. A disagreement would otherwise show only later,
// as a snapshot that leaves services out or an undo that cannot restore them.
#include <optional>
#include <string>
#include <vector>

namespace qlmr {

struct LoadedList {
    std::string fileName;
    std::vector<std::string> entries;
};

// A name that can stand below the services key: not empty, no backslash, no control
// character, at most 255 characters.
bool isValidKeyName(const std::string& utf8Name);

// One line for the log and the box, naming the file at fault; nothing when the lists agree.
// systemNames is the position in lists of the system-name list.
std::optional<std::string> listFilesProblem(const std::vector<LoadedList>& lists, size_t systemNames);

}  // namespace qlmr
