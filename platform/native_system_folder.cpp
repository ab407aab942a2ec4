#include "platform/native_system_folder.h"

#include <windows.h>

#include "platform/text_codec.h"

namespace qlmr {
namespace {

using DisableFn = BOOL(WINAPI*)(PVOID*);
using RevertFn = BOOL(WINAPI*)(PVOID);

// Resolved by name: 32-bit Windows XP's kernel32 has neither.
template <class Fn>
Fn kernelFunction(const char* name) {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    return kernel ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(kernel, name))) : nullptr;
}

std::wstring lowered(std::wstring text) {
    if (!text.empty()) CharLowerBuffW(&text[0], DWORD(text.size()));
    return text;
}

}  // namespace

bool inSystemFolder(const std::string& path) {
    // GetSystemDirectory names System32 also under WoW64; its 32-bit twin is another folder.
    wchar_t system[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    const std::wstring folder = lowered(std::wstring(system, length) + L"\\");
    const std::wstring candidate = lowered(widePath(path) + L"\\");
    return candidate.compare(0, folder.size(), folder) == 0;
}

NativeSystemFolder::NativeSystemFolder(const std::string& path) {
    static const DisableFn disable = kernelFunction<DisableFn>("Wow64DisableWow64FsRedirection");
    if (!disable || !inSystemFolder(path)) return;
    active_ = disable(&previous_) != FALSE;   // fails where there is nothing to redirect
}

NativeSystemFolder::~NativeSystemFolder() {
    static const RevertFn revert = kernelFunction<RevertFn>("Wow64RevertWow64FsRedirection");
    if (active_ && revert) revert(previous_);
}

}  // namespace qlmr
