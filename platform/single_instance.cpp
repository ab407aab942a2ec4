#include "platform/single_instance.h"

#include <windows.h>

namespace qlmr {
namespace {

struct MutexHolder {
    HANDLE handle = nullptr;
    ~MutexHolder() {
        if (handle) CloseHandle(handle);
    }
};

MutexHolder holder;

}  // namespace

bool IsOnlyInstance(const std::string& name) {
    std::string mutexName = name;
    for (char& c : mutexName)
        if (c == '\\') c = '_';
    holder.handle = CreateMutexA(nullptr, FALSE, mutexName.c_str());
    DWORD error = GetLastError();
    return holder.handle && error != ERROR_ALREADY_EXISTS;
}

}  // namespace qlmr
