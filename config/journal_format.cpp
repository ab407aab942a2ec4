#include "config/journal_format.h"

#include <map>

#include "base/identity.h"
#include "config/reg_file.h"
#include "lang/ini.h"
#include "base/text_conversion.h"

namespace qlmr {
namespace {

constexpr uint32_t kSz = 1, kExpandSz = 2, kBinary = 3, kDword = 4, kMultiSz = 7;

// Tabs and line ends would split an index line; a file name holds none on Windows anyway.
std::string field(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return text;
}

const char* resultKindKey(JournalResult::Kind kind) {
    switch (kind) {
    case JournalResult::Kind::AllMatched: return "all";
    case JournalResult::Kind::SomeMatched: return "some";
    case JournalResult::Kind::Declined: return "declined";
    case JournalResult::Kind::FileUnread: return "unread";
    case JournalResult::Kind::Unchecked: break;
    }
    return "unchecked";
}

bool resultKindOf(std::string_view key, JournalResult::Kind& kind) {
    for (auto k : {JournalResult::Kind::AllMatched, JournalResult::Kind::SomeMatched, JournalResult::Kind::Declined,
                   JournalResult::Kind::FileUnread, JournalResult::Kind::Unchecked})
        if (key == resultKindKey(k)) {
            kind = k;
            return true;
        }
    return false;
}

std::vector<std::string_view> splitTabs(std::string_view line) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string_view::npos; start = tab + 1)
        parts.push_back(line.substr(start, tab - start));
    parts.push_back(line.substr(start));
    return parts;
}

bool number(std::string_view text, long& out) {
    if (text.empty() || text.size() > 9) return false;
    long n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    out = n;
    return true;
}

// "dd.mm.yyyy hh.nn.ss", digits where digits belong.
bool stampLike(std::string_view s) {
    if (s.size() != 19) return false;
    for (size_t i = 0; i < s.size(); ++i) {
        const bool digit = s[i] >= '0' && s[i] <= '9';
        const char want = i == 2 || i == 5 || i == 13 || i == 16 ? '.' : i == 10 ? ' ' : 0;
        if (want ? s[i] != want : !digit) return false;
    }
    return true;
}

bool readEntry(const std::vector<std::string_view>& p, JournalEntry& e) {
    if (p.size() != 6 || p[0] != "E" || !number(p[1], e.number) || !stampLike(p[2]) || p[3].empty() ||
        !number(p[5], e.values))
        return false;
    e.stamp = std::string(p[2]);
    e.action = std::string(p[3]);
    e.file = std::string(p[4]);
    return true;
}

bool readResult(const std::vector<std::string_view>& p, long& entry, JournalResult& r) {
    return p.size() == 5 && p[0] == "R" && number(p[1], entry) && resultKindOf(p[2], r.kind) &&
           number(p[3], r.matched) && number(p[4], r.total);
}

std::string hexList(uint32_t type, const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out = type == kBinary ? "hex:" : "hex(" + std::to_string(type) + "):";
    out.reserve(out.size() + bytes.size() * 3);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i) out += ',';
        out += digits[uint8_t(bytes[i]) >> 4];
        out += digits[uint8_t(bytes[i]) & 0xF];
    }
    return out;
}

std::string utf16leBytes(const std::string& utf8) {
    const std::u16string wide = utf8ToUtf16(utf8);
    std::string bytes;
    bytes.reserve(wide.size() * 2);
    for (char16_t c : wide) {
        bytes += char(c & 0xFF);
        bytes += char(c >> 8);
    }
    return bytes;
}

std::string quotedName(const std::string& name) {
    return name.empty() ? std::string("@") : "\"" + escapeRegString(name) + "\"";
}

}  // namespace

const char* importActionKey(ImportAction action) {
    switch (action) {
    case ImportAction::PresetApply: return "apply";
    case ImportAction::PresetUndo: return "undo";
    case ImportAction::DescriptionsIn: return "descriptions-in";
    case ImportAction::DescriptionsBack: return "descriptions-back";
    case ImportAction::BackupRestore: return "restore";
    case ImportAction::ServiceStartType: return "start-type";
    case ImportAction::ChangeUndo: return "change-undo";
    }
    return "import";
}

JournalResult journalResultOf(const std::vector<CheckedValue>& checked, bool fileRead) {
    JournalResult r;
    if (!fileRead) {
        r.kind = JournalResult::Kind::FileUnread;
        return r;
    }
    long changed = 0;
    for (const CheckedValue& v : checked) {
        r.matched += v.after == v.expected;
        changed += v.after != v.before;
    }
    r.total = long(checked.size());
    r.kind = r.matched == r.total ? JournalResult::Kind::AllMatched
             : changed == 0       ? JournalResult::Kind::Declined
                                  : JournalResult::Kind::SomeMatched;
    return r;
}

std::string entryIndexLine(const JournalEntry& e) {
    return "E\t" + std::to_string(e.number) + "\t" + field(e.stamp) + "\t" + field(e.action) + "\t" + field(e.file) +
           "\t" + std::to_string(e.values) + "\r\n";
}

std::string resultIndexLine(long entry, const JournalResult& r) {
    return "R\t" + std::to_string(entry) + "\t" + resultKindKey(r.kind) + "\t" + std::to_string(r.matched) + "\t" +
           std::to_string(r.total) + "\r\n";
}

JournalIndex parseJournalIndex(std::string_view text) {
    JournalIndex index;
    std::map<long, size_t> at;   // entry number -> position
    long lineNo = 0;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line[0] == ';') continue;
        const std::vector<std::string_view> parts = splitTabs(line);
        JournalEntry entry;
        long number = 0;
        JournalResult result;
        if (readEntry(parts, entry) && at.emplace(entry.number, index.entries.size()).second) {
            index.entries.push_back(std::move(entry));
        } else if (readResult(parts, number, result) && at.count(number)) {
            index.entries[at[number]].result = result;
        } else {
            index.damagedLines.push_back(lineNo);
        }
    }
    return index;
}

std::string regDataLine(const std::string& name, const RegData& d) {
    const std::string left = quotedName(name) + "=";
    if (!d.present) return left + "-";
    if (d.type == kSz) return left + "\"" + escapeRegString(d.data) + "\"";
    if (d.type == kDword && d.data.size() == 4) {
        static const char digits[] = "0123456789abcdef";
        std::string hex = "dword:";
        for (int i = 3; i >= 0; --i) {
            hex += digits[uint8_t(d.data[size_t(i)]) >> 4];
            hex += digits[uint8_t(d.data[size_t(i)]) & 0xF];
        }
        return left + hex;
    }
    if (d.type == kExpandSz) return left + hexList(d.type, utf16leBytes(d.data) + std::string(2, '\0'));
    if (d.type == kMultiSz) return left + hexList(d.type, utf16leBytes(d.data) + std::string(4, '\0'));
    return left + hexList(d.type, d.data);
}

std::vector<std::string> journalRegLines(const std::string& comment, const std::vector<CheckedValue>& values,
                                         RegData CheckedValue::*side) {
    std::vector<std::string> lines = {kRegFileHeader, std::string("; Generated by ") + kWindowTitle, "; " + field(comment)};
    std::string lastService;
    for (const CheckedValue& v : values) {
        if (lines.size() == 3 || !sameNameNoCase(v.service, lastService)) {
            lines.push_back(regKeyLine(v.service));
            lastService = v.service;
        }
        lines.push_back(regDataLine(v.name, v.*side));
    }
    return lines;
}

std::string journalNumberText(long number) {
    std::string digits = std::to_string(number);
    return digits.size() < 6 ? std::string(6 - digits.size(), '0') + digits : digits;
}

}  // namespace qlmr
