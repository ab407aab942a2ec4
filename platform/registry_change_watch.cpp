#include "platform/registry_change_watch.h"

#include <windows.h>

#include "platform/text_codec.h"

namespace qlmr {
namespace {

constexpr DWORD kWhatChanges = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET;

class KeyChangeWatch : public RegistryChangeWatch {
public:
    KeyChangeWatch(HKEY key, HANDLE event) : key_(key), event_(event) {}
    ~KeyChangeWatch() override {
        RegCloseKey(key_);   // ends the notification
        CloseHandle(event_);
    }
    bool arm() { return RegNotifyChangeKeyValue(key_, TRUE, kWhatChanges, event_, TRUE) == ERROR_SUCCESS; }
    bool changed() override {
        if (WaitForSingleObject(event_, 0) != WAIT_OBJECT_0) return false;
        ResetEvent(event_);
        arm();   // a notification fires once; the next change needs a new one
        return true;
    }

private:
    HKEY key_;
    HANDLE event_;
};

}  // namespace

std::unique_ptr<RegistryChangeWatch> watchLocalMachineKey(const std::string& subkey) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, widePath(subkey).c_str(), 0, KEY_NOTIFY, &key) != ERROR_SUCCESS) return nullptr;
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!event) {
        RegCloseKey(key);
        return nullptr;
    }
    auto watch = std::make_unique<KeyChangeWatch>(key, event);
    if (!watch->arm()) return nullptr;
    return watch;
}

}  // namespace qlmr
