#pragma once
#include <memory>

#include "app/environment.h"
#include "platform/registry_access.h"
#include "platform/service_manager.h"

namespace qlmr {

// While a state check walks the catalogue, the states come from one enumeration and each
// service key is opened once for all the reads of its entry.
class StateWalk {
public:
    explicit StateWalk(std::unique_ptr<ServiceManager::Walk> walk) : walk_(std::move(walk)) {}
    unsigned long query(const std::string& systemName) { return walk_->queryState(systemName); }
    RegistryKey* key(const std::string& path) {
        if (path != keyPath_) {
            key_ = env().registry->openLocalMachine(path);
            keyPath_ = path;
        }
        return key_.get();
    }
private:
    std::unique_ptr<ServiceManager::Walk> walk_;
    std::string keyPath_;
    std::unique_ptr<RegistryKey> key_;
};

}  // namespace qlmr
