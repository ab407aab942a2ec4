// Before a swap-back: the values whose originals nothing holds any more, told in a box and the log.
#include "config/description_lost.h"

#include "base/environment.h"
#include "base/file_names.h"
#include "base/identity.h"
#include "config/description_originals.h"
#include "config/description_trail.h"
#include "config/journal.h"
#include "config/reg_file.h"
#include "config/reg_sections.h"
#include "lang/lang_messages.h"
#include "lang/message_format.h"
#include "platform/files.h"
#include "platform/text_codec.h"

namespace qlmr {
namespace {

std::map<std::string, ServiceTexts, NoCaseLess> textsOfFile(const std::string& path) {
    if (!fileExists(path)) return {};
    return readServiceTexts(regFileText(readFileBytes(path), ansiToUtf8));
}

}  // namespace

void tellLostOriginals(const HiddenState& state, PageHost& host, const std::string& snapshotPath) {
    const std::vector<LostOriginal> lost =
        lostOriginals(state.ServiceSysName.items(), *env().registry, journalSwapIns(Journal(programFolder() + kJournalFolder)),
                      textsOfFile(snapshotPath), textsOfFile(programFolder() + kConfigFolder + kReplacementDescriptions));
    if (lost.empty()) return;
    std::string names;
    for (size_t i = 0; i < lost.size() && i < 5; ++i) names += (i ? ", " : "") + lost[i].service + "\\" + lost[i].name;
    if (lost.size() > 5) names += ", ...";
    host.logLine("Исходные описания не найдены для " + std::to_string(lost.size()) +
                 " значений, после возврата они останутся заменёнными: " + names);
    std::string text = host.message("DescriptionsLost");
    if (text == kNoMessage)
        text = "Исходные описания не найдены (%s): после возврата они останутся заменёнными. Их хранит первая "
               "резервная копия реестра.";
    showInfo(formatMessage(text, std::to_string(lost.size())));
}

}  // namespace qlmr
