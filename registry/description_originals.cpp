#include "registry/description_originals.h"

#include "config/import_check.h"
#include "config/reg_file.h"
#include "registry/journal.h"

namespace qlmr {
namespace {

RegText textOf(const RegData& d) { return d.present ? RegText{false, d.data} : RegText{true, ""}; }

std::optional<RegText> field(const std::map<std::string, ServiceTexts, NoCaseLess>& texts, const std::string& service,
                             bool displayName) {
    const auto it = texts.find(service);
    if (it == texts.end()) return std::nullopt;
    return displayName ? it->second.displayName : it->second.description;
}

std::optional<RegText> storedNow(RegistryKey& key, const char* name) {
    const std::optional<RawRegValue> raw = key.readRaw(name);
    if (!raw) return RegText{true, ""};
    const RegData data = registryData(uint32_t(raw->type), raw->bytes);
    if (data.type != 1 && data.type != 2) return std::nullopt;   // not a text: no swap-in wrote it
    return textOf(data);
}

// Whether the journal or the shipped file says the text held now was put there by a swap-in.
bool looksSwappedIn(const std::vector<DescriptionSwapIn>& swapIns,
                    const std::map<std::string, ServiceTexts, NoCaseLess>& replacement, const std::string& service,
                    bool displayName, const RegText& now) {
    bool keptAsItWas = false;
    for (const DescriptionSwapIn& s : swapIns) {
        const std::optional<RegText> set = field(s.set, service, displayName);
        if (!set || !(*set == now)) continue;
        const std::optional<RegText> before = field(s.before, service, displayName);
        if (!before || !(*before == now)) return true;
        keptAsItWas = true;
    }
    const std::optional<RegText> shipped = field(replacement, service, displayName);
    return !keptAsItWas && shipped && *shipped == now;
}

}  // namespace

std::vector<DescriptionSwapIn> journalSwapIns(const Journal& journal) {
    std::vector<DescriptionSwapIn> swapIns;
    const JournalIndex index = journal.load();
    for (auto e = index.entries.rbegin(); e != index.entries.rend(); ++e) {
        if (e->action != importActionKey(ImportAction::DescriptionsIn)) continue;
        const std::optional<std::vector<CheckedValue>> values = journal.valuesOf(e->number);
        if (!values) continue;
        DescriptionSwapIn swap;
        for (const CheckedValue& v : *values) {
            const bool displayName = sameNameNoCase(v.name, "DisplayName");
            if (!displayName && !sameNameNoCase(v.name, "Description")) continue;
            ServiceTexts& before = swap.before[v.service];
            ServiceTexts& set = swap.set[v.service];
            (displayName ? before.displayName : before.description) = textOf(v.before);
            (displayName ? set.displayName : set.description) = textOf(v.expected);
        }
        swapIns.push_back(std::move(swap));
    }
    return swapIns;
}

std::optional<RegText> swappedInOriginal(const std::vector<DescriptionSwapIn>& swapIns, const std::string& service,
                                         bool displayName, const RegText& now) {
    std::optional<RegText> original;
    RegText walked = now;
    for (const DescriptionSwapIn& s : swapIns) {
        const std::optional<RegText> set = field(s.set, service, displayName);
        const std::optional<RegText> before = field(s.before, service, displayName);
        if (!set || !before || !(*set == walked)) continue;
        walked = *before;
        original = walked;
    }
    return original;
}

std::vector<LostOriginal> lostOriginals(const std::vector<std::string>& services, Registry& registry,
                                        const std::vector<DescriptionSwapIn>& swapIns,
                                        const std::map<std::string, ServiceTexts, NoCaseLess>& snapshot,
                                        const std::map<std::string, ServiceTexts, NoCaseLess>& replacement) {
    std::vector<LostOriginal> lost;
    for (const std::string& service : services) {
        const std::unique_ptr<RegistryKey> key = registry.openLocalMachine(kServicesKeyPath + service);
        if (!key) continue;
        for (bool displayName : {false, true}) {
            const char* name = displayName ? "DisplayName" : "Description";
            const std::optional<RegText> now = storedNow(*key, name);
            if (!now || now->removed) continue;
            const std::optional<RegText> restored = field(snapshot, service, displayName);
            if (restored && !(*restored == *now)) continue;   // the swap-back brings another text
            if (looksSwappedIn(swapIns, replacement, service, displayName, *now)) lost.push_back({service, name});
        }
    }
    return lost;
}

}  // namespace qlmr

#include "app/environment.h"
#include "app/identity.h"
#include "app/main_form.h"
#include "config/reg_sections.h"
#include "lang/lang_messages.h"
#include "lang/message_format.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "registry/history_text.h"

namespace qlmr {
namespace {

std::map<std::string, ServiceTexts, NoCaseLess> textsOfFile(const std::string& path) {
    if (!fileExists(path)) return {};
    return readServiceTexts(regFileText(readFileBytes(path), ansiToUtf8));
}

}  // namespace

void tellLostOriginals(MainForm& form, const std::string& snapshotPath) {
    const std::vector<LostOriginal> lost =
        lostOriginals(form.state.ServiceSysName.items(), *env().registry, journalSwapIns(*form.journal),
                      textsOfFile(snapshotPath), textsOfFile(programFolder() + kConfigFolder + kReplacementDescriptions));
    if (lost.empty()) return;
    std::string names;
    for (size_t i = 0; i < lost.size() && i < 5; ++i) names += (i ? ", " : "") + lost[i].service + "\\" + lost[i].name;
    if (lost.size() > 5) names += ", ...";
    form.logLine("Исходные описания не найдены для " + std::to_string(lost.size()) +
                 " значений, после возврата они останутся заменёнными: " + names);
    std::string text = form.message("DescriptionsLost");
    if (text == kNoMessage) text = builtinHistoryPhrase("DescriptionsLost");
    showInfo(formatMessage(text, std::to_string(lost.size())));
}

}  // namespace qlmr
