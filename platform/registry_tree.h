#pragma once
// Every key and value name of a registry branch under HKEY_LOCAL_MACHINE, read once, to be
// compared with a file that claims to hold the branch.
#include <optional>
#include <string>
#include <vector>

namespace qlmr {

struct BranchKey {
    std::string path;                      // below HKEY_LOCAL_MACHINE, without a leading backslash
    std::vector<std::string> valueNames;   // "" is the key's default value
};

// The key and all keys below it, each followed by its subkeys; nothing when the key itself
// cannot be opened. A subkey that cannot be opened is listed without values or subkeys.
std::optional<std::vector<BranchKey>> readRegistryBranch(const std::string& path);

}  // namespace qlmr
