// Stands where the shell's "regedit.exe" stands on 64-bit Windows: a launcher that starts the
// real editor and ends at once, before the editor has done anything.
//   early_exit_launcher.exe <delay-ms> <program> [arguments...]
// With a delay, a second copy of itself waits that long before it starts the program, and ends
// at once too: the editor then comes to life only after the launcher is long gone.
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

// The command line after the first `skip` arguments, as the system passed it.
std::wstring argumentsAfter(int skip) {
    const wchar_t* line = GetCommandLineW();
    for (int i = 0; i < skip; ++i) {
        while (*line == L' ') ++line;
        bool quoted = false;
        for (; *line && (quoted || *line != L' '); ++line)
            if (*line == L'"') quoted = !quoted;
    }
    while (*line == L' ') ++line;
    return line;
}

bool start(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    if (std::wcscmp(argv[1], L"--after") == 0) {   // the delayed copy: after <ms> <program...>
        if (argc < 4) return 2;
        Sleep(DWORD(std::wcstoul(argv[2], nullptr, 10)));
        return start(argumentsAfter(3)) ? 0 : 1;
    }
    const unsigned long delay = std::wcstoul(argv[1], nullptr, 10);
    if (delay == 0) return start(argumentsAfter(2)) ? 0 : 1;
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return start(L"\"" + std::wstring(self) + L"\" --after " + argv[1] + L" " + argumentsAfter(2)) ? 0 : 1;
}
