#include "platform/process_image_name.h"

#include <windows.h>

#include <vector>

#include "platform/text_codec.h"

namespace qlmr {
namespace {

constexpr DWORD kLimitedQuery = 0x1000;   // PROCESS_QUERY_LIMITED_INFORMATION, Vista and later
constexpr DWORD kLongestPath = 32768;

using QueryFullNameFn = BOOL(WINAPI*)(HANDLE, DWORD, LPWSTR, PDWORD);

// Resolved by name: kernel32 of Windows XP lacks it, and the exe must still load there.
QueryFullNameFn queryFullName() {
    static const QueryFullNameFn bound = [] {
        HMODULE kernel = GetModuleHandleA("kernel32.dll");
        return kernel ? reinterpret_cast<QueryFullNameFn>(
                            reinterpret_cast<void*>(GetProcAddress(kernel, "QueryFullProcessImageNameW")))
                      : nullptr;
    }();
    return bound;
}

}  // namespace

bool fullImagePath(unsigned long processId, size_t limit, std::string& path) {
    const QueryFullNameFn query = queryFullName();
    if (!query) return false;
    HANDLE process = OpenProcess(kLimitedQuery, FALSE, processId);
    if (!process) return false;
    std::vector<wchar_t> buffer(kLongestPath);
    DWORD length = kLongestPath;
    const bool named = query(process, 0, buffer.data(), &length) && length > 0;   // 0: the Win32 form
    CloseHandle(process);
    if (!named) return false;
    path = fromWide(std::wstring_view(buffer.data(), length < limit ? length : limit));
    return true;
}

}  // namespace qlmr
