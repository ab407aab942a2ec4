// The start-type preview of the lean preset over the catalogue against a raw walk of the same
// keys reading the same four values, and the import check once the editor has ended (the
// registry read back and compared with the preset). Best of many rounds, in one process.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "base/hidden_state.h"
#include "bench/support/report.h"
#include "services/builtin_catalogue.h"
#include "config/start_preview_page.h"
#include "platform/files.h"
#include "registry/import_watch.h"

using namespace qlmr;

namespace {

constexpr int kRounds = 100;

// What the preview reads of each key, and nothing more.
unsigned rawWalk(const std::vector<std::string>& names) {
    static const wchar_t* const values[] = {L"Start", L"Group", L"DependOnService", L"DependOnGroup"};
    unsigned found = 0;
    BYTE data[1024];
    for (const std::string& name : names) {
        HKEY key = nullptr;
        const std::string path = "SYSTEM\\CurrentControlSet\\Services\\" + name;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) continue;
        for (const wchar_t* value : values) {
            DWORD type = 0, size = sizeof data;
            if (RegQueryValueExW(key, value, nullptr, &type, data, &size) == ERROR_SUCCESS) found += size;
        }
        RegCloseKey(key);
    }
    return found;
}

}  // namespace

int main() {
    HiddenState state;
    loadBuiltinCatalogue(state);
    const std::vector<std::string>& names = state.ServiceSysName.items();
    const std::vector<std::string>& displayNames = state.ServiceNameCB.items();
    const std::string preset = programFolder() + "Configz\\tweaked.html.reg";

    double bestPreview = 1e9, bestWalk = 1e9, bestCheck = 1e9;
    unsigned sink = 0;
    ImportWatch::Check check = ImportWatch::prepare(preset, "tweaked.html.reg", names);
    for (int round = 0; round < kRounds; ++round) {
        const double t0 = bench::nowMs();
        sink += rawWalk(names);
        const double t1 = bench::nowMs();
        sink += unsigned(previewStartFile(preset, names, displayNames).rows.size());
        const double t2 = bench::nowMs();
        sink += unsigned(finishImportCheck(check).size());
        const double t3 = bench::nowMs();
        bestWalk = std::min(bestWalk, t1 - t0);
        bestPreview = std::min(bestPreview, t2 - t1);
        bestCheck = std::min(bestCheck, t3 - t2);
    }
    std::printf("preview: %.3f ms, raw walk: %.3f ms, import check: %.3f ms over %u values (checksum %u)\n",
                bestPreview, bestWalk, bestCheck, unsigned(check.values.size()), sink % 1000);
    bench::report("preview of a preset over the 91 entries vs the raw registry walk", bestPreview, bestWalk, "ms", 2.0,
                  true);
    bench::reportAbsolute("import check of a whole preset after the editor ends", bestCheck, "ms", 20.0);
    return 0;
}
