#include "platform/service_manager.h"

#include <windows.h>

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

// Opens the manager and the service with full access, runs the request, closes both; the error
// is taken before the handles are closed.
template <class Request>
void control(const std::string& systemName, Request request) {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager) raiseLastOsError();
    SC_HANDLE service = OpenServiceA(manager, utf8ToAnsi(systemName).c_str(), SERVICE_ALL_ACCESS);
    DWORD error = 0;
    if (!service || !request(service)) error = GetLastError();
    if (service) CloseServiceHandle(service);
    CloseServiceHandle(manager);
    if (!service || error) throw OsError(error);
}

class ManagerWalk : public ServiceManager::Walk {
public:
    ManagerWalk() : manager_(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT)) {}
    ~ManagerWalk() override {
        if (manager_) CloseServiceHandle(manager_);
    }
    unsigned long queryState(const std::string& systemName) override {
        return manager_ ? stateOn(manager_, systemName) : 0;
    }
private:
    SC_HANDLE manager_;
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
    void start(const std::string& systemName) override {
        control(systemName, [](SC_HANDLE s) { return StartServiceA(s, 0, nullptr) != 0; });
    }
    void stop(const std::string& systemName) override {
        control(systemName, [](SC_HANDLE s) {
            SERVICE_STATUS status;
            return ControlService(s, SERVICE_CONTROL_STOP, &status) != 0;
        });
    }
    std::unique_ptr<Walk> beginWalk() override { return std::make_unique<ManagerWalk>(); }
};

}  // namespace

ServiceManager& systemServiceManager() {
    static SystemServiceManager manager;
    return manager;
}

}  // namespace qlmr
