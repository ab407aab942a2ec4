// The journal against the raw reads it stands on. Recording: the before-values of a whole
// preset (the file read, the registry read of every value it sets and the entry's text) against
// a bare RegQueryValueExW of the same values; the entry's file writes are the disk's and are
// timed apart. The history page: opening it with 5,000 entries (the index read and parsed, the
// list's rows made) against reading the journal's files raw, every one of them, as a page
// without its index would have to.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "base/hidden_state.h"
#include "services/builtin_catalogue.h"
#include "base/file_names.h"
#include "base/identity.h"
#include "bench/support/report.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "registry/history_text.h"
#include "registry/import_watch.h"
#include "config/journal.h"

using namespace qlmr;

namespace {

constexpr int kRecordRounds = 100, kOpenRounds = 5;
constexpr long kEntries = 5000;

unsigned rawRead(const std::vector<CheckedValue>& values) {
    unsigned found = 0;
    HKEY key = nullptr;
    std::string open;
    for (const CheckedValue& v : values) {
        if (v.service != open) {
            if (key) RegCloseKey(key);
            key = nullptr;
            open = v.service;
            RegOpenKeyExW(HKEY_LOCAL_MACHINE, widePath("SYSTEM\\CurrentControlSet\\Services\\" + v.service).c_str(), 0,
                          KEY_READ, &key);
        }
        if (!key) continue;
        BYTE data[4096];
        DWORD type = 0, size = sizeof data;
        if (RegQueryValueExW(key, widePath(v.name).c_str(), nullptr, &type, data, &size) == ERROR_SUCCESS)
            found += 1 + size;
    }
    if (key) RegCloseKey(key);
    return found;
}

void writeRaw(const std::string& path, const std::string& bytes) {
    HANDLE h = CreateFileW(widePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

size_t readRaw(const std::string& path) {
    HANDLE h = CreateFileW(widePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return 0;
    static char buffer[1 << 16];
    size_t total = 0;
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got) total += got;
    CloseHandle(h);
    return total;
}

// A journal of kEntries entries of a preset's size, written straight to disk.
void makeJournal(const Journal& journal, const std::vector<CheckedValue>& values) {
    createFolders(journal.folder());
    const std::string text = ansiOrUtf16(joinCrLf(journalRegLines("bench", values, &CheckedValue::before)));
    std::string index;
    for (long n = 1; n <= kEntries; ++n) {
        writeRaw(journal.beforeFile(n), text);
        writeRaw(journal.setFile(n), text);
        JournalEntry e{n, "09.12.2026 11.22.33", n % 3 ? "apply" : "change-undo", "tweaked.html.reg", long(values.size()), {}};
        index += entryIndexLine(e) + resultIndexLine(n, JournalResult{JournalResult::Kind::AllMatched, 5, 5});
    }
    writeRaw(journal.folder() + kJournalIndexFile, index);
}

}  // namespace

int main() {
    HiddenState state;
    loadBuiltinCatalogue(state);
    const std::vector<std::string>& names = state.ServiceSysName.items();
    const std::string preset = programFolder() + kConfigFolder + "tweaked.html.reg";
    Journal journal(programFolder() + "bench-journal\\");

    double bestRecord = 1e9, bestRaw = 1e9, bestWrite = 1e9;
    unsigned sink = 0;
    ImportWatch::Check check;
    for (int round = 0; round < kRecordRounds; ++round) {
        const double t0 = bench::nowMs();
        check = ImportWatch::prepare(preset, "tweaked.html.reg", names);
        const std::string entry = ansiOrUtf16(joinCrLf(journalRegLines("bench", check.values, &CheckedValue::before)));
        const double t1 = bench::nowMs();
        sink += rawRead(check.values);
        const double t2 = bench::nowMs();
        sink += unsigned(entry.size());
        bestRecord = std::min(bestRecord, t1 - t0);
        bestRaw = std::min(bestRaw, t2 - t1);
        if (round % 20 == 0) {
            journal.record("09.12.2026 11.22.33", ImportAction::PresetApply, "tweaked.html.reg", check.values);
            bestWrite = std::min(bestWrite, bench::nowMs() - t2);
        }
    }
    std::printf("recording a preset's %u values: %.3f ms, raw registry read %.3f ms; the entry's files %.3f ms\n",
                unsigned(check.values.size()), bestRecord, bestRaw, bestWrite);
    bench::report("recording the before-values of a whole preset vs the raw registry read", bestRecord, bestRaw, "ms",
                  1.5, true);

    const std::string folder = programFolder() + "bench-history\\";
    Journal big(folder);
    makeJournal(big, check.values);
    const HistoryPhrases phrases = [](const std::string& key) { return builtinHistoryPhrase(key); };
    double bestOpen = 1e9, bestFiles = 1e9, bestIndex = 1e9;
    size_t rows = 0;
    for (int round = 0; round < kOpenRounds; ++round) {
        const double t0 = bench::nowMs();
        JournalIndex index = big.load();
        std::reverse(index.entries.begin(), index.entries.end());
        rows = historyRows(index.entries, phrases).size();
        const double t1 = bench::nowMs();
        size_t bytes = 0;
        for (const std::string& name : listFiles(folder, "*")) bytes += readRaw(folder + name);
        const double t2 = bench::nowMs();
        bytes += readRaw(folder + kJournalIndexFile);
        const double t3 = bench::nowMs();
        sink += unsigned(bytes);
        bestOpen = std::min(bestOpen, t1 - t0);
        bestFiles = std::min(bestFiles, t2 - t1);
        bestIndex = std::min(bestIndex, t3 - t2);
    }
    std::printf("history page with %u entries: %.3f ms; every journal file read raw %.3f ms; the index alone %.3f ms "
                "(checksum %u)\n", unsigned(rows), bestOpen, bestFiles, bestIndex, sink % 1000);
    bench::report("opening the history page with 5,000 entries vs reading the journal's files raw", bestOpen, bestFiles,
                  "ms", 2.0, true);
    return 0;
}
