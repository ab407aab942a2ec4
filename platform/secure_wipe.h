#pragma once
// Overwrites a file three times with the program's generator, then deletes it.
#include <cstddef>
#include <string>
#include <vector>

namespace qlmr {

class WipeGenerator;

// What a wipe did, for whoever watches it.
struct WipeTrace {
    std::vector<std::vector<size_t>> writes;   // per pass, the size of every write
    std::vector<std::string> firstWrite;       // per pass, the bytes its first write carried
    int flushes = 0;
};

// Opens the file for exclusive read-write access and overwrites it three times, a fresh
// 4096-byte block per pass repeated over the file's length, each pass flushed to the disk;
// then closes and deletes it. A file that cannot be opened (missing, in use) raises
// `Cannot open file "<path>". <reason>` and is left as it was.
void secureWipe(const std::string& path);
void secureWipe(const std::string& path, WipeGenerator& generator, WipeTrace* trace);

}  // namespace qlmr
