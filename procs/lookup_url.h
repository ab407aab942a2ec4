#pragma once
// Web lookup addresses of a process name.
#include <string>

namespace qlmr {

// Percent-encodes what the URL syntax needs (everything but unreserved characters) of a
// UTF-8 file name.
std::string percentEncode(const std::string& text);
// Only such addresses are ever handed to the shell.
bool isWebUrl(const std::string& text);   // "http://" or "https://" (any letter case) and a host
// The file-name part of a path: everything after the last backslash or colon.
std::string fileNamePart(const std::string& path);
// The folder part: up to and including the last backslash or colon; empty when there is none.
std::string folderPart(const std::string& path);

}  // namespace qlmr
