#include "tests/support/registry_fixture.h"

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cctype>

#include "platform/text_codec.h"

namespace qlmr::test {
namespace {

std::string keyPath(const std::string& service) {
    return "SYSTEM\\CurrentControlSet\\Services\\" + utf8ToAnsi(service);
}

HKEY openKey(const std::string& service, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath(service).c_str(), 0, access, &key) != ERROR_SUCCESS) return nullptr;
    return key;
}

HKEY createKey(const std::string& service) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath(service).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                    KEY_ALL_ACCESS, nullptr, &key, nullptr);
    return key;
}

// Values go in and out in UTF-16, so no code page stands between a test and the registry.
void setRaw(const std::string& service, const std::string& value, DWORD type, const std::string& bytes) {
    HKEY key = createKey(service);
    RegSetValueExW(key, widePath(value).c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   DWORD(bytes.size()));
    RegCloseKey(key);
}

void setText(const std::string& service, const std::string& value, DWORD type, const std::string& utf8) {
    std::wstring wide = widePath(utf8);
    wide.push_back(L'\0');
    setRaw(service, value, type, std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * 2));
}

// The value's type and bytes; nothing when the key or value is missing.
std::optional<std::pair<DWORD, std::string>> readRaw(const std::string& service, const std::string& value) {
    HKEY key = openKey(service, KEY_READ);
    if (!key) return std::nullopt;
    DWORD type = 0, size = 0;
    std::optional<std::pair<DWORD, std::string>> out;
    const std::wstring name = widePath(value);
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::string bytes(size, '\0');
        if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size) ==
            ERROR_SUCCESS) {
            bytes.resize(size);
            out = std::make_pair(type, bytes);
        }
    }
    RegCloseKey(key);
    return out;
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

}  // namespace

ServiceKeyFixture::ServiceKeyFixture(std::string name) : name_(std::move(name)) {
    deleteServiceKey(name_);   // whatever an earlier, failed run left
    RegCloseKey(createKey(name_));
}

ServiceKeyFixture::~ServiceKeyFixture() { deleteServiceKey(name_); }

ServiceKeyFixture& ServiceKeyFixture::dword(const std::string& value, unsigned long data) {
    setServiceDword(name_, value, data);
    return *this;
}

ServiceKeyFixture& ServiceKeyFixture::text(const std::string& value, const std::string& utf8) {
    setText(name_, value, REG_SZ, utf8);
    return *this;
}

ServiceKeyFixture& ServiceKeyFixture::expandText(const std::string& value, const std::string& utf8) {
    setText(name_, value, REG_EXPAND_SZ, utf8);
    return *this;
}

bool serviceKeyExists(const std::string& service) {
    HKEY key = openKey(service, KEY_READ);
    if (key) RegCloseKey(key);
    return key != nullptr;
}

void deleteServiceKey(const std::string& service) { RegDeleteKeyA(HKEY_LOCAL_MACHINE, keyPath(service).c_str()); }

std::optional<unsigned long> serviceDword(const std::string& service, const std::string& value) {
    auto raw = readRaw(service, value);
    if (!raw || raw->first != REG_DWORD || raw->second.size() != 4) return std::nullopt;
    DWORD v = 0;
    std::copy(raw->second.begin(), raw->second.end(), reinterpret_cast<char*>(&v));
    return v;
}

std::optional<std::string> serviceText(const std::string& service, const std::string& value) {
    auto raw = readRaw(service, value);
    if (!raw || (raw->first != REG_SZ && raw->first != REG_EXPAND_SZ)) return std::nullopt;
    std::wstring text(reinterpret_cast<const wchar_t*>(raw->second.data()), raw->second.size() / 2);
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return fromWide(text);
}

std::optional<std::string> serviceAnsiString(const std::string& service, const std::string& value) {
    auto text = serviceText(service, value);
    if (text) return utf8ToAnsi(*text);
    return text;
}

void setServiceDword(const std::string& service, const std::string& value, unsigned long data) {
    DWORD v = data;
    setRaw(service, value, REG_DWORD, std::string(reinterpret_cast<const char*>(&v), 4));
}

void setServiceString(const std::string& service, const std::string& value, const std::string& utf8) {
    setText(service, value, REG_SZ, utf8);
}

ServiceKeysGuard::ServiceKeysGuard(const std::vector<std::string>& services) {
    auto save = [](const std::string& service, const char* value) {
        Saved s;
        if (auto raw = readRaw(service, value)) s = {true, raw->first, raw->second};
        return s;
    };
    std::vector<std::string> seen;
    for (const std::string& name : services) {
        if (std::find(seen.begin(), seen.end(), lower(name)) != seen.end()) continue;
        seen.push_back(lower(name));
        Key k;
        k.name = name;
        k.existed = serviceKeyExists(name);
        if (k.existed) {
            k.start = save(name, "Start");
            k.displayName = save(name, "DisplayName");
            k.description = save(name, "Description");
        }
        keys_.push_back(std::move(k));
    }
}

ServiceKeysGuard::~ServiceKeysGuard() {
    auto restore = [](const std::string& service, const char* value, const Saved& s) {
        if (s.exists) {
            setRaw(service, value, s.type, s.bytes);
        } else if (HKEY key = openKey(service, KEY_ALL_ACCESS)) {
            RegDeleteValueA(key, value);
            RegCloseKey(key);
        }
    };
    for (const Key& k : keys_) {
        if (!k.existed) {
            deleteServiceKey(k.name);
            continue;
        }
        restore(k.name, "Start", k.start);
        restore(k.name, "DisplayName", k.displayName);
        restore(k.name, "Description", k.description);
    }
}

static bool registryEditorRunning() {
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32 e{};
    e.dwSize = sizeof e;
    bool found = false;
    for (BOOL ok = Process32First(snap, &e); ok && !found; ok = Process32Next(snap, &e))
        found = lstrcmpiA(e.szExeFile, "regedit.exe") == 0;
    CloseHandle(snap);
    return found;
}

bool waitForRegistryEditors(unsigned long ms) {
    return waitUntil([] { return !registryEditorRunning(); }, ms);
}

bool waitUntil(const std::function<bool()>& condition, unsigned long ms) {
    const DWORD t0 = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - t0 >= ms) return false;
        Sleep(20);
    }
}

}  // namespace qlmr::test
