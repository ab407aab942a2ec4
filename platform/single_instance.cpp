#include "platform/single_instance.h"

#include <windows.h>

namespace qlmr {
namespace {

struct MutexHolder {
    HANDLE handle = nullptr;
    ~MutexHolder() {
        if (handle) CloseHandle(handle);
    }
};

MutexHolder holder;

std::string objectName(const std::string& name) {
    std::string result = name;
    for (char& c : result)
        if (c == '\\') c = '_';
    return result;
}

void CALLBACK postRequest(void* context, BOOLEAN) {
    auto* self = static_cast<ShowRequests*>(context);
    self->post();
}

}  // namespace

bool IsOnlyInstance(const std::string& name) {
    holder.handle = CreateMutexA(nullptr, FALSE, objectName(name).c_str());
    DWORD error = GetLastError();
    return holder.handle && error != ERROR_ALREADY_EXISTS;
}

// Without the event (or the wait) the copies keep to the single-instance guard alone: a second
// copy still ends silently, only the running one is not brought forward.
ShowRequests::ShowRequests(const std::string& name)
    : event_(CreateEventA(nullptr, FALSE, FALSE, (objectName(name) + ".ShowWindow").c_str())) {}

ShowRequests::~ShowRequests() {
    // Waits for a callback under way, so that none outlives this object.
    if (wait_) UnregisterWaitEx(wait_, INVALID_HANDLE_VALUE);
    if (event_) CloseHandle(event_);
}

void ShowRequests::ask() {
    if (!event_) return;
    // The copy the user just started may hand the foreground on; the running one could not take it.
    AllowSetForegroundWindow(ASFW_ANY);
    SetEvent(event_);
}

void ShowRequests::deliverTo(void* window, unsigned message) {
    if (!event_ || wait_) return;
    window_ = window;
    message_ = message;
    HANDLE wait = nullptr;
    if (RegisterWaitForSingleObject(&wait, event_, postRequest, this, INFINITE, WT_EXECUTEDEFAULT)) wait_ = wait;
}

void ShowRequests::post() { PostMessageW(static_cast<HWND>(window_), message_, 0, 0); }

unsigned showRequestMessage() {
    static const UINT message = RegisterWindowMessageW(L"QlmrShowMainWindow");
    return message;
}

}  // namespace qlmr
