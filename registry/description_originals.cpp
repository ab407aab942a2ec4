#include "registry/description_originals.h"

#include "app/environment.h"
#include "app/identity.h"
#include "app/main_form.h"
#include "config/reg_file.h"
#include "config/reg_sections.h"
#include "lang/ini.h"
#include "lang/lang_messages.h"
#include "lang/message_format.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "registry/history_text.h"
#include "registry/journal.h"

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
