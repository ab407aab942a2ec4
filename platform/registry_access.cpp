#include "platform/registry_access.h"

#include <windows.h>

#include <cstring>
#include <stdexcept>

#include "platform/text_codec.h"

namespace qlmr {
namespace {

class SystemKey : public RegistryKey {
public:
    explicit SystemKey(HKEY key) : key_(key) {}
    ~SystemKey() override { RegCloseKey(key_); }

    bool hasValue(const std::string& name) override {
        return RegQueryValueExW(key_, widePath(name).c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    }

    unsigned long readInteger(const std::string& name) override {
        DWORD type = 0, value = 0, size = sizeof value;
        LONG r = RegQueryValueExW(key_, widePath(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
        if (r == ERROR_MORE_DATA || (r == ERROR_SUCCESS && (type != REG_DWORD || size != sizeof value)))
            throw std::runtime_error("Invalid data type for '" + name + "'");
        if (r != ERROR_SUCCESS) throw std::runtime_error("Failed to get data for '" + name + "'");
        return value;
    }

    // Read in UTF-16: the ANSI code page may lack the letters of the text.
    std::string readString(const std::string& name) override {
        const std::optional<RawRegValue> raw = readRaw(name);
        if (!raw) throw std::runtime_error("Failed to get data for '" + name + "'");
        if (raw->type != REG_SZ && raw->type != REG_EXPAND_SZ)
            throw std::runtime_error("Invalid data type for '" + name + "'");
        std::wstring text(raw->bytes.size() / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), raw->bytes.data(), text.size() * sizeof(wchar_t));
        while (!text.empty() && text.back() == L'\0') text.pop_back();
        return fromWide(text);
    }

    // Most values fit the first buffer, read in one call; a longer one is read again at its size.
    std::optional<RawRegValue> readRaw(const std::string& name) override {
        const std::wstring wideName = widePath(name);
        RawRegValue value;
        value.bytes.resize(1024);
        for (;;) {
            DWORD type = 0, size = DWORD(value.bytes.size());
            const LONG r = RegQueryValueExW(key_, wideName.c_str(), nullptr, &type,
                                            reinterpret_cast<BYTE*>(value.bytes.data()), &size);
            if (r == ERROR_MORE_DATA) {
                value.bytes.resize(size);
                continue;
            }
            if (r != ERROR_SUCCESS) return std::nullopt;
            value.type = type;
            value.bytes.resize(size);
            return value;
        }
    }

private:
    HKEY key_;
};

class SystemRegistry : public Registry {
public:
    std::unique_ptr<RegistryKey> openLocalMachine(const std::string& path) override {
        // Wine refuses paths that begin with a backslash.
        std::string relative = !path.empty() && path[0] == '\\' ? path.substr(1) : path;
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, widePath(relative).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return nullptr;
        return std::make_unique<SystemKey>(key);
    }
};

}  // namespace

Registry& systemRegistry() {
    static SystemRegistry registry;
    return registry;
}

}  // namespace qlmr
