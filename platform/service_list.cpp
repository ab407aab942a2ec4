#include "platform/service_list.h"

#include <windows.h>

#include "platform/errors.h"
#include "platform/text_codec.h"

namespace qlmr {
namespace {

// Closes the manager whatever the enumeration does.
struct ManagerHandle {
    SC_HANDLE handle;
    ~ManagerHandle() {
        if (handle) CloseServiceHandle(handle);
    }
};

// Appends one batch; true when the manager has nothing more to give.
bool takeBatch(SC_HANDLE manager, std::vector<BYTE>& buffer, DWORD& resume, std::vector<ListedService>& out) {
    DWORD needed = 0, count = 0;
    const BOOL done = EnumServicesStatusExW(manager, SC_ENUM_PROCESS_INFO, SERVICE_WIN32, SERVICE_STATE_ALL,
                                            buffer.data(), DWORD(buffer.size()), &needed, &count, &resume, nullptr);
    const DWORD error = done ? 0 : GetLastError();
    const auto* entries = reinterpret_cast<const ENUM_SERVICE_STATUS_PROCESSW*>(buffer.data());
    for (DWORD i = 0; i < count; ++i)
        out.push_back({fromWide(entries[i].lpServiceName), fromWide(entries[i].lpDisplayName),
                       entries[i].ServiceStatusProcess.dwCurrentState});
    if (done) return true;
    if (error != ERROR_MORE_DATA) throw OsError(error);
    if (needed > buffer.size()) buffer.resize(needed);
    return false;
}

}  // namespace

std::vector<ListedService> listWin32Services() {
    const ManagerHandle manager{OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT | SC_MANAGER_ENUMERATE_SERVICE)};
    if (!manager.handle) raiseLastOsError();
    std::vector<ListedService> services;
    std::vector<BYTE> buffer(128 * 1024);   // a whole current Windows in one batch
    DWORD resume = 0;
    while (!takeBatch(manager.handle, buffer, resume, services)) {
    }
    return services;
}

bool systemKnowsDelayedStart() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExW(&version) && version.dwMajorVersion >= 6;
}

}  // namespace qlmr
