#include "platform/profile.h"

#include <windows.h>

#include <stdexcept>

#include "platform/text_codec.h"

namespace qlmr {

// The wide functions: the file's path may hold letters outside the ANSI code page. The file's
// own bytes are still read and written in that code page, as the narrow functions do.
std::string readProfileString(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& fallback) {
    wchar_t buf[2048];
    DWORD n = GetPrivateProfileStringW(widePath(section).c_str(), widePath(key).c_str(), widePath(fallback).c_str(),
                                       buf, 2048, widePath(file).c_str());
    return fromWide(std::wstring_view(buf, n));
}

void writeProfileString(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value) {
    if (!WritePrivateProfileStringW(widePath(section).c_str(), widePath(key).c_str(), widePath(value).c_str(),
                                    widePath(file).c_str()))
        throw std::runtime_error("Unable to write to " + file);
}

}  // namespace qlmr
