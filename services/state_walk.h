#pragma once
#include <map>
#include <memory>

#include "base/environment.h"
#include "platform/registry_access.h"
#include "platform/service_manager.h"

namespace qlmr {

// A key whose values are read once each; the walk asks for the same values several times.
class CachedKey : public RegistryKey {
public:
    explicit CachedKey(std::unique_ptr<RegistryKey> key) : key_(std::move(key)) {}
    bool hasValue(const std::string& name) override {
        auto it = present_.find(name);
        if (it == present_.end()) it = present_.emplace(name, key_->hasValue(name)).first;
        return it->second;
    }
    unsigned long readInteger(const std::string& name) override {
        auto it = integers_.find(name);
        if (it == integers_.end()) it = integers_.emplace(name, key_->readInteger(name)).first;
        return it->second;
    }
    std::string readString(const std::string& name) override {
        auto it = strings_.find(name);
        if (it == strings_.end()) it = strings_.emplace(name, key_->readString(name)).first;
        return it->second;
    }
    std::optional<RawRegValue> readRaw(const std::string& name) override { return key_->readRaw(name); }
private:
    std::unique_ptr<RegistryKey> key_;
    std::map<std::string, bool> present_;
    std::map<std::string, unsigned long> integers_;
    std::map<std::string, std::string> strings_;
};

// While a state check walks the catalogue, the states come from one enumeration and each
// service key is opened and read once for all the reads of its entry.
class StateWalk {
public:
    explicit StateWalk(std::unique_ptr<ServiceManager::Walk> walk) : walk_(std::move(walk)) {}
    unsigned long query(const std::string& systemName) { return walk_->queryState(systemName); }
    RegistryKey* key(const std::string& path) {
        if (path != keyPath_) {
            auto key = env().registry->openLocalMachine(path);
            key_ = key ? std::make_unique<CachedKey>(std::move(key)) : nullptr;
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
