// The check of a new backup against the registry editor's own export of the services branch,
// on a branch the size of a current Windows's: about 400 service keys, installed here in the
// bench's prefix for the run and removed after it.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "bench/support/report.h"
#include "platform/files.h"
#include "registry/backup_watch.h"

using namespace qlmr;

namespace {

constexpr int kServices = 400;
const std::wstring kBranch = L"SYSTEM\\CurrentControlSet\\Services\\";

std::wstring serviceName(int i) {
    wchar_t name[32];
    wsprintfW(name, L"QlmrBench%03d", i);
    return name;
}

void setText(HKEY key, const wchar_t* name, DWORD type, const std::wstring& text) {
    RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()), DWORD((text.size() + 1) * 2));
}

void setDword(HKEY key, const wchar_t* name, DWORD value) {
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

// A service key as a real one looks: its values, Parameters and Security subkeys.
void installService(int i) {
    HKEY key = nullptr, sub = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, (kBranch + serviceName(i)).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    setDword(key, L"Type", 0x20);
    setDword(key, L"Start", 3);
    setDword(key, L"ErrorControl", 1);
    setText(key, L"ImagePath", REG_EXPAND_SZ, L"%SystemRoot%\\system32\\svchost.exe -k netsvcs -p");
    setText(key, L"DisplayName", REG_SZ, L"@%SystemRoot%\\system32\\bench.dll,-" + std::to_wstring(100 + i));
    setText(key, L"Description", REG_SZ, L"Benchmark service " + std::to_wstring(i) + L" with a description of usual length.");
    setText(key, L"ObjectName", REG_SZ, L"LocalSystem");
    setText(key, L"Group", REG_SZ, L"NetworkProvider");
    const wchar_t depends[] = L"RpcSs\0Tcpip\0";
    RegSetValueExW(key, L"DependOnService", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(depends), sizeof depends);
    BYTE actions[20] = {0x80, 0x51, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0x14, 0, 0, 0};
    RegSetValueExW(key, L"FailureActions", 0, REG_BINARY, actions, sizeof actions);
    if (RegCreateKeyExW(key, L"Parameters", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr) == ERROR_SUCCESS) {
        setText(sub, L"ServiceDll", REG_EXPAND_SZ, L"%SystemRoot%\\system32\\bench.dll");
        setDword(sub, L"ServiceDllUnloadOnStop", 1);
        RegCloseKey(sub);
    }
    if (RegCreateKeyExW(key, L"Security", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr) == ERROR_SUCCESS) {
        BYTE sd[96] = {1, 0, 0x14, 0x80};
        RegSetValueExW(sub, L"Security", 0, REG_BINARY, sd, sizeof sd);
        RegCloseKey(sub);
    }
    RegCloseKey(key);
}

void removeService(int i) {
    const std::wstring path = kBranch + serviceName(i);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, (path + L"\\Parameters").c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, (path + L"\\Security").c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, path.c_str());
}

// The editor's export, waited for to its end; seconds, or a negative figure when it failed.
double timedExport(const std::string& path) {
    const std::wstring parameters = L"/e \"" + std::wstring(path.begin(), path.end()) +
                                    L"\" \"HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\"";
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    info.lpFile = L"regedit.exe";
    info.lpParameters = parameters.c_str();
    info.nShow = SW_SHOWDEFAULT;
    const double t0 = bench::nowMs();
    if (!ShellExecuteExW(&info) || !info.hProcess) return -1;
    WaitForSingleObject(info.hProcess, 120000);
    CloseHandle(info.hProcess);
    return (bench::nowMs() - t0) / 1000.0;
}

}  // namespace

int main() {
    for (int i = 0; i < kServices; ++i) installService(i);
    const std::string path = programFolder() + "bench-backup.reg";   // ASCII: the folder of the bench
    const double exportTime = timedExport(path);
    double checkTime = -1;
    BackupCheckResult result;
    if (exportTime > 0) {
        const double t0 = bench::nowMs();
        result = checkBackupFile(path, "bench-backup.reg");
        checkTime = (bench::nowMs() - t0) / 1000.0;
    }
    for (int i = 0; i < kServices; ++i) removeService(i);
    DeleteFileA(path.c_str());
    if (exportTime <= 0 || result.lines.empty()) {
        std::printf("the export of the branch could not be made\n");
        return 1;
    }
    std::printf("backup check: %s (%s)\n", result.lines.front().c_str(), result.whole ? "whole" : "NOT WHOLE");
    bench::report("backup check vs the editor's export (400 service keys)", checkTime, exportTime, "s", 1.0, true);
    return 0;
}
