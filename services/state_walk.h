#pragma once
#include <memory>

#include "platform/service_manager.h"

namespace qlmr {

// While a state check walks the catalogue, every query goes through one manager handle.
class StateWalk {
public:
    explicit StateWalk(std::unique_ptr<ServiceManager::Walk> walk) : walk_(std::move(walk)) {}
    unsigned long query(const std::string& systemName) { return walk_->queryState(systemName); }
private:
    std::unique_ptr<ServiceManager::Walk> walk_;
};

}  // namespace qlmr
