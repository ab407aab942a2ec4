#pragma once
// Service states as the details panel shows them.
#include <string>

namespace qlmr {

constexpr const char* kStateRunning = "Служба запущена";
constexpr const char* kStateStopped = "Служба остановлена";
constexpr const char* kStateNotInstalled = "Ошибка (Служба не установлена)";

std::string stateText(unsigned long state);
// dwCurrentState of the service on the machine (empty: this computer); 0 on any failure.
unsigned long GetServiceState(const std::string& machine, const std::string& systemName);

}  // namespace qlmr
