#include "tests/support/created_service.h"

#include <doctest.h>
#include <windows.h>

#include "toolkit/text.h"

namespace qlmr::test {
namespace {

// The manager's list form: names ended by NUL each, then one more NUL.
std::wstring multiString(const std::vector<std::string>& items) {
    std::wstring out;
    for (const std::string& item : items) out += tk::widen(item) + L'\0';
    return out + L'\0';
}

void deleteService(const std::string& name) {
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager) return;
    if (SC_HANDLE service = OpenServiceW(manager, tk::widen(name).c_str(), DELETE)) {
        DeleteService(service);
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
}

}  // namespace

CreatedService::CreatedService(const ServiceSpec& spec) : name_(spec.name) {
    deleteService(spec.name);   // left by a run that was cut short
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    REQUIRE(manager);
    const std::wstring dependencies = multiString(spec.dependencies);
    SC_HANDLE service = CreateServiceW(manager, tk::widen(spec.name).c_str(), tk::widen(spec.displayName).c_str(),
                                       SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS, spec.start, spec.errorControl,
                                       L"C:\\windows\\system32\\qlmr-test-service.exe", nullptr, nullptr,
                                       dependencies.c_str(), nullptr, nullptr);
    const DWORD error = service ? 0 : GetLastError();
    if (service) CloseServiceHandle(service);
    CloseServiceHandle(manager);
    CAPTURE(error);
    REQUIRE(service);
}

CreatedService::~CreatedService() { deleteService(name_); }

}  // namespace qlmr::test
