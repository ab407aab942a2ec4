#pragma once
// System functions bound on their first use. Libraries the start-up does not need (the shell,
// the common dialogs) are then loaded only when a command needs them, not with the program.
#include <windows.h>

namespace tk {

// Null when the library or the function is missing; the library stays loaded.
template <class Fn>
Fn lateBound(const char* library, const char* function) {
    HMODULE module = LoadLibraryA(library);
    if (!module) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, function)));
}

}  // namespace tk
