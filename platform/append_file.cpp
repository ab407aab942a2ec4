#include "platform/append_file.h"

#include <windows.h>

#include "platform/errors.h"
#include "platform/text_codec.h"

namespace qlmr {
namespace {

bool writeAll(HANDLE h, const std::string& bytes) {
    DWORD written = 0;
    return bytes.empty() || (WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size());
}

}  // namespace

void appendToFile(const std::string& path, const std::string& bytes) {
    HANDLE h = CreateFileW(widePath(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) throw cannotCreate(path, GetLastError());
    const bool ok = writeAll(h, bytes) && FlushFileBuffers(h);
    const DWORD code = GetLastError();
    CloseHandle(h);
    if (!ok) throw cannotCreate(path, code);
}

bool writeNewFile(const std::string& path, const std::string& bytes) {
    HANDLE h = CreateFileW(widePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) return false;
        throw cannotCreate(path, code);
    }
    const bool ok = writeAll(h, bytes) && FlushFileBuffers(h);
    const DWORD code = GetLastError();
    CloseHandle(h);
    if (ok) return true;
    DeleteFileW(widePath(path).c_str());   // a file this call made, never one that was there
    throw cannotCreate(path, code);
}

}  // namespace qlmr
