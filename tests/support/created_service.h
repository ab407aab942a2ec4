#pragma once
// A service the test installs through the Service Control Manager and deletes again.
#include <string>
#include <vector>

namespace qlmr::test {

struct ServiceSpec {
    std::string name, displayName;
    unsigned long start = 3;          // SERVICE_DEMAND_START
    unsigned long errorControl = 1;   // SERVICE_ERROR_NORMAL
    std::vector<std::string> dependencies;
};

class CreatedService {
public:
    explicit CreatedService(const ServiceSpec& spec);   // fails the test when the manager refuses
    ~CreatedService();
    CreatedService(const CreatedService&) = delete;
    CreatedService& operator=(const CreatedService&) = delete;
    const std::string& name() const { return name_; }

private:
    std::string name_;
};

}  // namespace qlmr::test
