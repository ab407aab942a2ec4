#include "platform/secure_wipe.h"

#include <windows.h>

#include <cstdint>

#include "platform/errors.h"
#include "platform/text_codec.h"
#include "platform/wipe_generator.h"

namespace qlmr {
namespace {

constexpr DWORD kBlockSize = 4096;
constexpr int kPasses = 3;

// One handle, closed whatever happens.
struct FileHandle {
    HANDLE h;
    ~FileHandle() { CloseHandle(h); }
};

void recordWrite(WipeTrace& trace, const uint8_t* block, DWORD size) {
    if (trace.writes.back().empty()) trace.firstWrite.emplace_back(reinterpret_cast<const char*>(block), size);
    trace.writes.back().push_back(size);
}

void overwritePass(HANDLE file, const uint8_t* block, WipeTrace* trace) {
    LARGE_INTEGER length{};
    if (!GetFileSizeEx(file, &length)) raiseLastOsError();
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(file, start, nullptr, FILE_BEGIN)) raiseLastOsError();
    if (trace) trace->writes.emplace_back();
    for (long long left = length.QuadPart; left > 0;) {
        const DWORD size = left < kBlockSize ? DWORD(left) : kBlockSize;
        DWORD written = 0;
        // A write that fails leaves the file in place: deleting it unwiped would hide the fault.
        if (!WriteFile(file, block, size, &written, nullptr) || written != size) raiseLastOsError();
        if (trace) recordWrite(*trace, block, size);
        left -= size;
    }
    if (!FlushFileBuffers(file)) raiseLastOsError();
    if (trace) ++trace->flushes;
}

}  // namespace

void secureWipe(const std::string& path) { secureWipe(path, WipeGenerator::program(), nullptr); }

void secureWipe(const std::string& path, WipeGenerator& generator, WipeTrace* trace) {
    const std::wstring wide = widePath(path);
    HANDLE h = CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) throw cannotOpen(path, GetLastError());
    {
        FileHandle file{h};
        uint8_t block[kBlockSize];
        for (int pass = 0; pass < kPasses; ++pass) {
            generator.fill(block, kBlockSize);
            overwritePass(file.h, block, trace);
        }
    }
    DeleteFileW(wide.c_str());   // its result is of no interest: the contents are gone
}

}  // namespace qlmr
