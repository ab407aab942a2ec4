#include "platform/profile.h"

#include <windows.h>

#include <stdexcept>

#include "platform/text_codec.h"

namespace qlmr {

std::string readProfileString(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& fallback) {
    char buf[2048];
    DWORD n = GetPrivateProfileStringA(utf8ToAnsi(section).c_str(), utf8ToAnsi(key).c_str(),
                                       utf8ToAnsi(fallback).c_str(), buf, sizeof buf, utf8ToAnsi(file).c_str());
    return ansiToUtf8(std::string(buf, n));
}

void writeProfileString(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value) {
    if (!WritePrivateProfileStringA(utf8ToAnsi(section).c_str(), utf8ToAnsi(key).c_str(), utf8ToAnsi(value).c_str(),
                                    utf8ToAnsi(file).c_str()))
        throw std::runtime_error("Unable to write to " + file);
}

}  // namespace qlmr
