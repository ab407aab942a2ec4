// The activity log: appending from 1 000 to 1 000 000 lines, and saving a million lines against
// one raw write of the same bytes (created, written and flushed, as the save does).
#include <windows.h>

#include <string>

#include "base/identity.h"
#include "app/main_form.h"
#include "bench/support/report.h"
#include "platform/files.h"
#include "toolkit/toolkit_init.h"

using namespace qlmr;

int main() {
    tk::initialise();
    createFolders(programFolder() + kLogsFolder);
    MainForm form;
    const std::string text = "Название службы-Диспетчер очереди печати (Print Spooler)";
    double perLineSmall = 0, perLineLarge = 0;
    long long done = 0;
    for (long long target : {1000LL, 10000LL, 100000LL, 1000000LL}) {
        const long long n = target - done;
        double t0 = bench::nowMs();
        for (long long i = 0; i < n; ++i) form.logLine(text);
        form.logPage->LogBox->flush();
        double perLine = (bench::nowMs() - t0) * 1000.0 / double(n);
        std::printf("append up to %lld lines: %.3f us per line\n", target, perLine);
        if (target == 1000) perLineSmall = perLine;
        perLineLarge = perLine;
        done = target;
    }
    bench::report("log append per line at 1M vs at 1k lines", perLineLarge, perLineSmall, "us", 2.0, true);
    double t0 = bench::nowMs();
    form.logPage->LogSaveClick();
    const double save = (bench::nowMs() - t0) / 1000.0;
    const std::string folder = programFolder() + kLogsFolder;
    const std::vector<std::string> saved = listFiles(folder, "Log of *.logz");
    if (saved.empty()) {
        std::printf("log save wrote no file\n");
        return 1;
    }
    const std::string bytes = readFileBytes(folder + saved.front());
    const std::wstring raw = L"bench-raw-write.bin";
    t0 = bench::nowMs();
    HANDLE h = CreateFileW(raw.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool ok = h != INVALID_HANDLE_VALUE && WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr) &&
                    FlushFileBuffers(h);
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    const double rawWrite = (bench::nowMs() - t0) / 1000.0;
    DeleteFileW(raw.c_str());
    if (!ok) {
        std::printf("raw write failed\n");
        return 1;
    }
    std::printf("log save: %zu bytes in %.3f s, raw write %.3f s\n", bytes.size(), save, rawWrite);
    bench::report("log save of 1 000 000 lines vs one raw write of its bytes", save, rawWrite, "s", 3.0, true);
    return 0;
}
