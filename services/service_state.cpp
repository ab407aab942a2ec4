#include "services/service_state.h"

#include "base/environment.h"

namespace qlmr {

std::string stateText(unsigned long state) {
    switch (state) {
    case 0: return kStateNotInstalled;
    case 1: return kStateStopped;
    case 2: return "SERVICE_START_PENDING";
    case 3: return "SERVICE_STOP_PENDING";
    case 4: return kStateRunning;
    case 5: return "SERVICE_CONTINUE_PENDING";
    case 6: return "SERVICE_PAUSE_PENDING";
    case 7: return "SERVICE_PAUSED";
    default: return std::to_string(state);
    }
}

unsigned long GetServiceState(const std::string& machine, const std::string& systemName) {
    return env().services->queryState(machine, systemName);
}

}  // namespace qlmr
