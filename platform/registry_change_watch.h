#pragma once
// Tells whether anything under a key of HKEY_LOCAL_MACHINE changed (a value set, a key added or
// removed), whoever changed it: also a 64-bit registry editor the program did not start itself.
#include <memory>
#include <string>

namespace qlmr {

class RegistryChangeWatch {
public:
    virtual ~RegistryChangeWatch() = default;
    // True once for every look after which something changed; watching goes on.
    virtual bool changed() = 0;
};

// Null when the key cannot be opened for notification.
std::unique_ptr<RegistryChangeWatch> watchLocalMachineKey(const std::string& subkey);

}  // namespace qlmr
