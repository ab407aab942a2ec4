#include "platform/service_manager.h"

#include <windows.h>

#include <map>
#include <vector>

#include "platform/errors.h"
#include "platform/text_codec.h"

namespace qlmr {
namespace {

unsigned long stateOn(SC_HANDLE manager, const std::string& systemName) {
    SC_HANDLE service = OpenServiceA(manager, utf8ToAnsi(systemName).c_str(), SERVICE_QUERY_STATUS);
    if (!service) return 0;
    SERVICE_STATUS status{};
    unsigned long state = QueryServiceStatus(service, &status) ? status.dwCurrentState : 0;
    CloseServiceHandle(service);
    return state;
}

std::string upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return s;
}

// Enumerates every service once when the walk begins; a name the manager does not list is
// one OpenServiceA would not find either, so it answers 0 as a query would.
class EnumeratedWalk : public ServiceManager::Walk {
public:
    EnumeratedWalk() {
        SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT | SC_MANAGER_ENUMERATE_SERVICE);
        if (!manager) return;
        std::vector<BYTE> buf(64 * 1024);
        DWORD needed = 0, count = 0, resume = 0;
        for (;;) {
            BOOL ok = EnumServicesStatusA(manager, SERVICE_WIN32 | SERVICE_DRIVER, SERVICE_STATE_ALL,
                                          reinterpret_cast<ENUM_SERVICE_STATUSA*>(buf.data()), DWORD(buf.size()),
                                          &needed, &count, &resume);
            auto* entries = reinterpret_cast<ENUM_SERVICE_STATUSA*>(buf.data());
            for (DWORD i = 0; i < count; ++i)
                states_[upper(entries[i].lpServiceName)] = entries[i].ServiceStatus.dwCurrentState;
            if (ok) break;
            if (GetLastError() != ERROR_MORE_DATA) {
                failed_ = true;
                break;
            }
            if (needed > buf.size()) buf.resize(needed);
        }
        CloseServiceHandle(manager);
        enumerated_ = !failed_;
    }
    unsigned long queryState(const std::string& systemName) override {
        if (!enumerated_) return systemServiceManager().queryState("", systemName);
        auto it = states_.find(upper(utf8ToAnsi(systemName)));
        return it == states_.end() ? 0 : it->second;
    }
private:
    std::map<std::string, unsigned long> states_;
    bool failed_ = false;
    bool enumerated_ = false;
};

class SystemServiceManager : public ServiceManager {
public:
    unsigned long queryState(const std::string& machine, const std::string& systemName) override {
        SC_HANDLE manager = OpenSCManagerA(machine.empty() ? nullptr : utf8ToAnsi(machine).c_str(), nullptr,
                                           SC_MANAGER_CONNECT);
        if (!manager) return 0;
        unsigned long state = stateOn(manager, systemName);
        CloseServiceHandle(manager);
        return state;
    }
    std::set<std::string> runningServices() override {
        static SC_HANDLE kept = nullptr;
        if (!kept) kept = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT | SC_MANAGER_ENUMERATE_SERVICE);
        std::set<std::string> names;
        if (!kept) return names;
        std::vector<BYTE> buf(16 * 1024);
        DWORD needed = 0, count = 0, resume = 0;
        for (;;) {
            const BOOL ok = EnumServicesStatusA(kept, SERVICE_WIN32, SERVICE_ACTIVE,
                                                reinterpret_cast<ENUM_SERVICE_STATUSA*>(buf.data()), DWORD(buf.size()),
                                                &needed, &count, &resume);
            const auto* entries = reinterpret_cast<ENUM_SERVICE_STATUSA*>(buf.data());
            for (DWORD i = 0; i < count; ++i)
                if (entries[i].ServiceStatus.dwCurrentState == SERVICE_RUNNING) names.insert(upper(entries[i].lpServiceName));
            if (ok || GetLastError() != ERROR_MORE_DATA) break;
            if (needed > buf.size()) buf.resize(needed);
        }
        return names;
    }
    void start(const std::string& systemName) override {
        controlService(systemName, [](void* s) { return StartServiceA(SC_HANDLE(s), 0, nullptr) != 0; });
    }
    void stop(const std::string& systemName) override {
        controlService(systemName, [](void* s) {
            SERVICE_STATUS status;
            return ControlService(SC_HANDLE(s), SERVICE_CONTROL_STOP, &status) != 0;
        });
    }
    std::unique_ptr<Walk> beginWalk() override { return std::make_unique<EnumeratedWalk>(); }
};

}  // namespace

// The error is taken before the handles are closed.
void controlService(const std::string& systemName, const std::function<bool(void*)>& request) {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager) raiseLastOsError();
    SC_HANDLE service = OpenServiceA(manager, utf8ToAnsi(systemName).c_str(), SERVICE_ALL_ACCESS);
    // A failed call is raised even when it left no last error; OsError(0) names that case.
    const bool done = service && request(service);
    const DWORD error = done ? 0 : GetLastError();
    if (service) CloseServiceHandle(service);
    CloseServiceHandle(manager);
    if (!done) throw OsError(error);
}

ServiceManager& systemServiceManager() {
    static SystemServiceManager manager;
    return manager;
}

}  // namespace qlmr
