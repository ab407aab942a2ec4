#pragma once
// The Service Control Manager.
#include <functional>
#include <memory>
#include <set>
#include <string>

namespace qlmr {

class ServiceManager {
public:
    virtual ~ServiceManager() = default;
    // dwCurrentState, or 0 when the manager, the service or its status cannot be reached.
    virtual unsigned long queryState(const std::string& machine, const std::string& systemName) = 0;
    // The names of this machine's running services (upper case, ANSI), in one enumeration through
    // a manager connection kept for the program's life: connecting costs several times what the
    // enumeration does. Empty when the manager cannot be reached, as for a manager that cannot
    // enumerate at all.
    virtual std::set<std::string> runningServices() { return {}; }
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
