#include "platform/errors.h"

#include <windows.h>

#include "platform/text_codec.h"

namespace qlmr {
namespace {

std::string osErrorText(unsigned long code) {
    if (code == 0) return "A call to an OS function failed";
    return "System Error.  Code: " + std::to_string(code) + ".\r\n" + systemMessage(code);
}

}  // namespace

std::string systemMessage(unsigned long code) {
    char* buf = nullptr;
    DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, code, 0, reinterpret_cast<char*>(&buf), 0, nullptr);
    std::string text = n ? std::string(buf, n) : std::string();
    if (buf) LocalFree(buf);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    return ansiToUtf8(text);
}

OsError::OsError(unsigned long code) : std::runtime_error(osErrorText(code)), code_(code) {}

void raiseLastOsError() { throw OsError(GetLastError()); }

FileError cannotOpen(const std::string& path, unsigned long code) {
    return FileError("Cannot open file \"" + path + "\". " + systemMessage(code));
}

FileError cannotCreate(const std::string& path, unsigned long code) {
    return FileError("Cannot create file \"" + path + "\". " + systemMessage(code));
}

}  // namespace qlmr
