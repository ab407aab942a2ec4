#include "platform/files.h"

#include <windows.h>

#include "platform/errors.h"
#include "platform/text_codec.h"

namespace qlmr {
namespace {

// Every path goes to the system in UTF-16, so a folder named outside the ANSI code page works.
std::wstring W(const std::string& utf8) { return widePath(utf8); }

}  // namespace

std::string programFolder() {
    wchar_t buf[MAX_PATH * 2];
    DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH * 2);
    std::string path = fromWide(std::wstring_view(buf, n));
    return path.substr(0, path.find_last_of("\\/") + 1);
}

bool fileExists(const std::string& path) {
    DWORD a = GetFileAttributesW(W(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool folderExists(const std::string& path) {
    DWORD a = GetFileAttributesW(W(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

void createFolders(const std::string& path) {
    for (size_t i = 3; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\' || path[i] == '/') {
            std::string part = path.substr(0, i);
            if (!part.empty() && !folderExists(part)) CreateDirectoryW(W(part).c_str(), nullptr);
        }
    }
}

std::string readFileBytes(const std::string& path) {
    HANDLE h = CreateFileW(W(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) throw cannotOpen(path, GetLastError());
    std::string out;
    char buf[65536];
    DWORD got = 0;
    while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got) out.append(buf, got);
    CloseHandle(h);
    return out;
}

void writeFileAtomically(const std::string& path, const std::string& bytes) {
    std::string temp = path + ".part";
    HANDLE h = CreateFileW(W(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) throw cannotCreate(path, GetLastError());
    DWORD written = 0;
    bool ok = bytes.empty() || (WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size());
    ok = FlushFileBuffers(h) && ok;
    DWORD code = GetLastError();
    CloseHandle(h);
    if (ok && MoveFileExW(W(temp).c_str(), W(path).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return;
    if (ok) code = GetLastError();
    DeleteFileW(W(temp).c_str());
    throw cannotCreate(path, code);
}

std::vector<std::string> listFiles(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(W(folder + pattern).c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        if (fd.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
        names.push_back(fromWide(fd.cFileName));
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    return names;
}

std::string freeFileName(const std::string& folder, const std::string& name) {
    if (!fileExists(folder + name)) return name;
    size_t dot = name.rfind('.');
    std::string base = dot == std::string::npos ? name : name.substr(0, dot);
    std::string ext = dot == std::string::npos ? "" : name.substr(dot);
    for (int n = 2;; ++n) {
        std::string candidate = base + " (" + std::to_string(n) + ")" + ext;
        if (!fileExists(folder + candidate)) return candidate;
    }
}

void requireFolderFor(const std::string& file) {
    const std::string folder = file.substr(0, file.find_last_of('\\') + 1);
    if (!folderExists(folder)) throw cannotCreate(file, ERROR_PATH_NOT_FOUND);
}

std::string toShortPath(const std::string& path) {
    const std::wstring wide = W(path);
    wchar_t buf[256];
    DWORD n = GetShortPathNameW(wide.c_str(), buf, 255);
    if (n == 0) return path;
    if (n < 255) return fromWide(std::wstring_view(buf, n));
    // Longer than the buffer: ask again with the size the system needs.
    std::wstring big(n + 1, L'\0');
    DWORD m = GetShortPathNameW(wide.c_str(), big.data(), n + 1);
    if (m == 0 || m > n) return path;
    big.resize(m);
    return fromWide(big);
}

}  // namespace qlmr
