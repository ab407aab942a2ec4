#pragma once
// Every Win32 service the Service Control Manager knows, in one wide enumeration.
#include <string>
#include <vector>

namespace qlmr {

struct ListedService {
    std::string systemName, displayName;   // UTF-8
    unsigned long state = 0;               // dwCurrentState
};

// Services of their own process and shared ones, drivers left out. Raises OsError when the
// manager cannot be opened or refuses the enumeration.
std::vector<ListedService> listWin32Services();

// Whether the system reads the DelayedAutostart value (Windows Vista and later).
bool systemKnowsDelayedStart();

}  // namespace qlmr
