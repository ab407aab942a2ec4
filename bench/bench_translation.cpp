// A translation pass over the three windows with the full English file, beside the time the
// same file takes just to be read and parsed. Timed twice: with every window hidden, as in the
// start-up pass, and with the main window on screen, as when the user picks a language.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "about/about_form.h"
#include "base/identity.h"
#include "app/main_form.h"
#include "bench/support/report.h"
#include "lang/ini.h"
#include "lang/lang_form.h"
#include "lang/translation.h"
#include "platform/files.h"
#include "toolkit/form.h"
#include "toolkit/toolkit_init.h"

using namespace qlmr;

namespace {

constexpr int kRuns = 200;

struct Timing {
    double mean, median;
};

// kRuns English passes, each after a Russian one so that every pass changes the texts; the
// windows repaint between passes as they would in the program.
Timing timePasses(const std::string& english, const std::string& russian) {
    std::vector<double> samples;
    for (int i = 0; i < kRuns; ++i) {
        ApplyLanguageFile(russian, true);
        tk::Application::instance().processMessages();
        const double t0 = bench::nowMs();
        ApplyLanguageFile(english, true);
        samples.push_back(bench::nowMs() - t0);
        tk::Application::instance().processMessages();
    }
    double total = 0;
    for (double s : samples) total += s;
    std::sort(samples.begin(), samples.end());
    return {total / kRuns, samples[samples.size() / 2]};
}

double meanLoadMs(const std::string& path) {
    double total = 0;
    size_t found = 0;
    for (int i = 0; i < kRuns; ++i) {
        const double t0 = bench::nowMs();
        const IniText file(readFileBytes(path));
        total += bench::nowMs() - t0;
        found += file.hasSection("MainForm");
    }
    return found == size_t(kRuns) ? total / kRuns : -1;
}

std::string fixed(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

}  // namespace

int main() {
    tk::initialise();
    const std::string langz = programFolder() + kLangFolder;   // the data files lie beside the bench
    const std::string english = langz + "eng.lng";
    const std::string russian = langz + "rus.lng";
    if (!fileExists(english) || !fileExists(russian)) {
        std::printf("translation pass: language files missing in %s\n", langz.c_str());
        return 1;
    }
    MainForm main;
    LangForm lang;
    AboutForm about;
    tk::Application::instance().processMessages();

    const Timing hidden = timePasses(english, russian);
    main.show();
    tk::Application::instance().processMessages();
    const Timing shown = timePasses(english, russian);
    const double load = meanLoadMs(english);
    if (load < 0 || main.services->ServStart->text() != "Start the service") {
        std::printf("translation pass: the English file did not apply\n");
        return 1;
    }
    std::printf("translation pass: %s ms (load alone %s ms), target <= 5 ms\n", fixed(shown.mean).c_str(),
                fixed(load).c_str());
    std::printf("  main window shown: mean %s ms, median %s ms; every window hidden (start-up): mean %s ms, "
                "median %s ms\n",
                fixed(shown.mean).c_str(), fixed(shown.median).c_str(), fixed(hidden.mean).c_str(),
                fixed(hidden.median).c_str());
    bench::reportAbsolute("translation pass, main window shown (load alone " + fixed(load) + " ms)", shown.mean, "ms",
                          5.0);
    bench::reportAbsolute("translation pass, windows hidden (start-up)", hidden.mean, "ms", 5.0);
    return 0;
}
