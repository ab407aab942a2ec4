#include "platform/registry_tree.h"

#include <windows.h>

#include "platform/text_codec.h"

namespace qlmr {
namespace {

// Value and subkey names at most as long as the key says, plus the terminator.
struct KeyCounts {
    DWORD subkeys = 0, longestSubkey = 0, values = 0, longestValue = 0;
};

KeyCounts countsOf(HKEY key) {
    KeyCounts c;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &c.subkeys, &c.longestSubkey, nullptr, &c.values,
                         &c.longestValue, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return KeyCounts{};
    return c;
}

std::vector<std::string> valueNamesOf(HKEY key, const KeyCounts& c) {
    std::vector<std::string> names;
    std::wstring buffer(size_t(c.longestValue) + 1, L'\0');
    for (DWORD i = 0; i < c.values; ++i) {
        DWORD length = DWORD(buffer.size());
        if (RegEnumValueW(key, i, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            continue;
        names.push_back(fromWide(std::wstring_view(buffer.data(), length)));
    }
    return names;
}

void readKey(HKEY key, const std::wstring& path, std::vector<BranchKey>& out) {
    const KeyCounts c = countsOf(key);
    out.push_back({fromWide(path), valueNamesOf(key, c)});
    std::wstring name(size_t(c.longestSubkey) + 1, L'\0');
    for (DWORD i = 0; i < c.subkeys; ++i) {
        DWORD length = DWORD(name.size());
        if (RegEnumKeyExW(key, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) continue;
        const std::wstring child = path + L"\\" + std::wstring(name.data(), length);
        HKEY sub = nullptr;
        if (RegOpenKeyExW(key, std::wstring(name.data(), length).c_str(), 0, KEY_READ, &sub) != ERROR_SUCCESS) {
            out.push_back({fromWide(child), {}});
            continue;
        }
        readKey(sub, child, out);
        RegCloseKey(sub);
    }
}

}  // namespace

std::optional<std::vector<BranchKey>> readRegistryBranch(const std::string& path) {
    std::string relative = path;
    while (!relative.empty() && relative.front() == '\\') relative.erase(0, 1);   // Wine refuses a leading one
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, widePath(relative).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<BranchKey> keys;
    readKey(key, widePath(relative), keys);
    RegCloseKey(key);
    return keys;
}

}  // namespace qlmr
