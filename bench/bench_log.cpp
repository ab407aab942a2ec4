// The activity log: appending from 1 000 to 1 000 000 lines, and saving a million lines.
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
    bench::reportAbsolute("log save of 1 000 000 lines", (bench::nowMs() - t0) / 1000.0, "s", 2.0);
    return 0;
}
