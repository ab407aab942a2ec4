#include "config/description_originals.h"

#include "lang/ini.h"
#include "config/description_trail.h"
#include "config/journal.h"

namespace qlmr {

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

}  // namespace qlmr
