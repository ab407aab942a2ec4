#pragma once
// Read access to service keys under HKEY_LOCAL_MACHINE.
#include <memory>
#include <optional>
#include <string>

namespace qlmr {

// A value as stored: its type and bytes, texts in UTF-16LE.
struct RawRegValue {
    unsigned long type = 0;
    std::string bytes;
};

class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    virtual bool hasValue(const std::string& name) = 0;
    // Raise "Invalid data type for '<name>'" for a value of another type and
    // "Failed to get data for '<name>'" when it cannot be read.
    virtual unsigned long readInteger(const std::string& name) = 0;
    virtual std::string readString(const std::string& name) = 0;   // plain or expandable, as stored
    // Any value with its type; nothing when it is missing or cannot be read.
    virtual std::optional<RawRegValue> readRaw(const std::string& name) = 0;
};

class Registry {
public:
    virtual ~Registry() = default;
    // Opens an existing key under HKEY_LOCAL_MACHINE (a leading backslash is allowed) without
    // creating it; null when it does not exist or cannot be opened.
    virtual std::unique_ptr<RegistryKey> openLocalMachine(const std::string& path) = 0;
};

Registry& systemRegistry();

}  // namespace qlmr
