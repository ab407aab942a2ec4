#pragma once
// The Service Control Manager.
#include <functional>
#include <memory>
#include <string>

namespace qlmr {

class ServiceManager {
public:
    virtual ~ServiceManager() = default;
    // dwCurrentState, or 0 when the manager, the service or its status cannot be reached.
    virtual unsigned long queryState(const std::string& machine, const std::string& systemName) = 0;
    // Both raise OsError with the failing call's code.
    virtual void start(const std::string& systemName) = 0;
    virtual void stop(const std::string& systemName) = 0;

    // Holds one manager handle while a walk over many services queries them; the answers equal
    // queryState's, but the manager is opened only once.
    class Walk {
    public:
        virtual ~Walk() = default;
        virtual unsigned long queryState(const std::string& systemName) = 0;
    };
    virtual std::unique_ptr<Walk> beginWalk() = 0;
};

ServiceManager& systemServiceManager();

// Opens the manager and the service with full access and runs the request on the service
// handle; any step that fails raises OsError with the last error, also when that is 0.
void controlService(const std::string& systemName, const std::function<bool(void* service)>& request);

}  // namespace qlmr
