#include "config/description_trail.h"

#include "config/import_check.h"
#include "config/reg_file.h"

namespace qlmr {
namespace {

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

RegText textOf(const RegData& d) { return d.present ? RegText{false, d.data} : RegText{true, ""}; }

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
