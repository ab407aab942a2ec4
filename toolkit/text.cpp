#include "toolkit/text.h"

#include <windows.h>

namespace tk {
namespace {

std::wstring toWide(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring out(size_t(n), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), out.data(), n);
    return out;
}

std::string fromWide(UINT codePage, std::wstring_view text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(n), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

}  // namespace

std::wstring widen(std::string_view utf8) { return toWide(CP_UTF8, utf8); }
std::string narrow(std::wstring_view utf16) { return fromWide(CP_UTF8, utf16); }
std::string ansiToUtf8(std::string_view ansi) { return narrow(toWide(CP_ACP, ansi)); }
std::string utf8ToAnsi(std::string_view utf8) { return fromWide(CP_ACP, widen(utf8)); }

}  // namespace tk
