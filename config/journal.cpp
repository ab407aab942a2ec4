#include "config/journal.h"

#include <algorithm>

#include "config/reg_file.h"
#include "config/start_preview.h"
#include "lang/ini.h"
#include "platform/append_file.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/text_codec.h"

namespace qlmr {
namespace {

std::optional<RegFileContent> readRegFile(const std::string& path) {
    if (!fileExists(path)) return std::nullopt;
    RegFileContent content = parseRegFile(regFileText(readFileBytes(path), ansiToUtf8));
    if (!content.recognised) return std::nullopt;
    return content;
}

std::vector<std::string> servicesOf(const RegFileContent& file) {
    std::vector<std::string> services;
    for (const RegKey& key : file.keys) {
        std::string service = serviceOfKeyPath(key.path);
        if (!service.empty() && !containsNoCase(services, service)) services.push_back(std::move(service));
    }
    return services;
}

}  // namespace

Journal::Journal(std::string folder) : folder_(std::move(folder)) {}

std::string Journal::beforeFileName(long number) const { return "Change " + journalNumberText(number) + ".reg"; }
std::string Journal::setFile(long number) const { return folder_ + "Change " + journalNumberText(number) + ".set"; }

JournalIndex Journal::load() const {
    const std::string path = folder_ + kJournalIndexFile;
    if (!fileExists(path)) return {};
    return parseJournalIndex(readFileBytes(path));
}

long Journal::nextNumber() {
    if (highest_ < 0) {
        highest_ = 0;
        for (const JournalEntry& e : load().entries) highest_ = std::max(highest_, e.number);
    }
    return highest_ + 1;
}

long Journal::record(const std::string& stamp, ImportAction action, const std::string& file,
                     const std::vector<CheckedValue>& values) {
    createFolders(folder_);
    JournalEntry entry{0, stamp, importActionKey(action), file, long(values.size()), {}};
    const std::string comment = stamp + ", " + entry.action + ", " + file;
    const std::string before = ansiOrUtf16(joinCrLf(journalRegLines(comment, values, &CheckedValue::before)));
    const std::string set = ansiOrUtf16(joinCrLf(journalRegLines(comment, values, &CheckedValue::expected)));
    // A number whose files someone else left is passed over: an entry is never written twice.
    entry.number = nextNumber();
    while (fileExists(beforeFile(entry.number)) || fileExists(setFile(entry.number))) ++entry.number;
    highest_ = entry.number;
    if (!writeNewFile(beforeFile(entry.number), before) || !writeNewFile(setFile(entry.number), set))
        throw cannotCreate(beforeFile(entry.number), 80 /* ERROR_FILE_EXISTS */);
    appendToFile(folder_ + kJournalIndexFile, entryIndexLine(entry));
    return entry.number;
}

void Journal::recordResult(long number, const JournalResult& result) {
    appendToFile(folder_ + kJournalIndexFile, resultIndexLine(number, result));
}

std::optional<std::vector<CheckedValue>> Journal::valuesOf(long number) const {
    const std::optional<RegFileContent> before = readRegFile(beforeFile(number));
    const std::optional<RegFileContent> set = readRegFile(setFile(number));
    if (!before || !set) return std::nullopt;
    std::vector<CheckedValue> values = valuesToCheck(*set, servicesOf(*set), ansiToUtf8);
    const std::vector<CheckedValue> was = valuesToCheck(*before, servicesOf(*before), ansiToUtf8);
    for (CheckedValue& v : values)
        for (const CheckedValue& w : was)
            if (sameNameNoCase(v.service, w.service) && sameNameNoCase(v.name, w.name)) v.before = w.expected;
    return values;
}

}  // namespace qlmr
