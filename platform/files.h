#pragma once
// Files and folders. Paths are UTF-8 here and handed to the system in UTF-16.
#include <string>
#include <vector>

namespace qlmr {

// The folder of the running executable with a trailing backslash.
std::string programFolder();
bool fileExists(const std::string& path);
bool folderExists(const std::string& path);
void createFolders(const std::string& path);   // with missing parents; the result is ignored
std::string readFileBytes(const std::string& path);   // throws cannotOpen
// Writes through a temporary file and a rename, so a failure leaves no partial file and an
// existing file undamaged. Throws cannotCreate.
void writeFileAtomically(const std::string& path, const std::string& bytes);
// Names (no folder) matching the pattern: plain, read-only and archive files; hidden, system
// files and folders skipped; in the order the file system returns them.
std::vector<std::string> listFiles(const std::string& folder, const std::string& pattern);
// A name in folder that does not exist yet: name itself, else "base (2).ext", "base (3).ext", ...
std::string freeFileName(const std::string& folder, const std::string& name);
std::string toShortPath(const std::string& path);
// Raises `Cannot create file "<file>". <reason>` when the folder the file goes into is missing.
void requireFolderFor(const std::string& file);

}  // namespace qlmr
