#include "platform/text_codec.h"

#include <windows.h>

#include "toolkit/text.h"

namespace qlmr {

std::string ansiToUtf8(std::string_view ansi) { return tk::ansiToUtf8(ansi); }
std::string utf8ToAnsi(std::string_view utf8) { return tk::utf8ToAnsi(utf8); }

std::string codePageToUtf8(std::string_view bytes, unsigned codePage) {
    if (bytes.empty()) return {};
    const int n = MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    if (n <= 0) return ansiToUtf8(bytes);   // a code page the system does not know
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), wide.data(), n);
    return tk::narrow(wide);
}

bool fitsAnsi(std::string_view utf8) { return ansiToUtf8(utf8ToAnsi(utf8)) == utf8; }

std::string ansiOrUtf16(std::string_view utf8) {
    if (fitsAnsi(utf8)) return utf8ToAnsi(utf8);
    const std::wstring wide = tk::widen(utf8);
    std::string out = "\xFF\xFE";
    for (wchar_t c : wide) out.append({char(c & 0xFF), char((c >> 8) & 0xFF)});
    return out;
}

std::wstring widePath(std::string_view utf8) { return tk::widen(utf8); }
std::string fromWide(std::wstring_view text) { return tk::narrow(text); }

}  // namespace qlmr
