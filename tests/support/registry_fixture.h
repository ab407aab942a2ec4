#pragma once
// Service keys of the test's own under HKLM\SYSTEM\CurrentControlSet\Services, direct reads of
// service values, and a guard that puts the catalogue's keys back as they were.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qlmr::test {

// Creates the key; removes it with its values at the end. Texts are UTF-8, stored in UTF-16.
class ServiceKeyFixture {
public:
    explicit ServiceKeyFixture(std::string name);
    ~ServiceKeyFixture();
    ServiceKeyFixture(const ServiceKeyFixture&) = delete;
    ServiceKeyFixture& operator=(const ServiceKeyFixture&) = delete;

    ServiceKeyFixture& dword(const std::string& value, unsigned long data);
    ServiceKeyFixture& text(const std::string& value, const std::string& utf8);
    ServiceKeyFixture& expandText(const std::string& value, const std::string& utf8);
    const std::string& name() const { return name_; }

private:
    std::string name_;
};

bool serviceKeyExists(const std::string& service);
void deleteServiceKey(const std::string& service);   // a key without subkeys
std::optional<unsigned long> serviceDword(const std::string& service, const std::string& value);
// REG_SZ or REG_EXPAND_SZ as stored, in UTF-8, and in the ANSI code page.
std::optional<std::string> serviceText(const std::string& service, const std::string& value);
std::optional<std::string> serviceAnsiString(const std::string& service, const std::string& value);
void setServiceDword(const std::string& service, const std::string& value, unsigned long data);
void setServiceString(const std::string& service, const std::string& value, const std::string& utf8);

// Remembers whether each named key existed and its Start, DisplayName and Description (type
// and bytes); at the end removes the keys that were not there and writes the values back.
class ServiceKeysGuard {
public:
    explicit ServiceKeysGuard(const std::vector<std::string>& services);
    ~ServiceKeysGuard();
    ServiceKeysGuard(const ServiceKeysGuard&) = delete;
    ServiceKeysGuard& operator=(const ServiceKeysGuard&) = delete;

private:
    struct Saved {
        bool exists = false;
        unsigned long type = 0;
        std::string bytes;
    };
    struct Key {
        std::string name;
        bool existed = false;
        Saved start, displayName, description;
    };
    std::vector<Key> keys_;
};

// Waits until no registry editor process runs any more (imports started by the program are
// not waited for by it, and two imports running at once would race); true when none is left.
bool waitForRegistryEditors(unsigned long ms = 10000);

// Polls every 20 ms until the condition holds or ms have passed; true when it held.
bool waitUntil(const std::function<bool()>& condition, unsigned long ms = 5000);

}  // namespace qlmr::test
