// One service's start type: refused for a vital service, asked, written to a registry file in
// the imports folder and handed to the registry editor like every import, then checked.
#include "base/identity.h"
#include "lang/lang_messages.h"
#include "lang/message_format.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "services/all_services_page.h"
#include "services/all_services_read.h"
#include "services/all_services_text.h"
#include "services/service_links.h"

namespace qlmr {
namespace {

std::string startText(const ServiceEntry& e, StartChoice choice, const PreviewPhrases& phrases) {
    return e.hasStart ? startChoiceText(choice, phrases) : phrases("AllServicesNoStart");
}

}  // namespace

void AllServicesPage::StartTypeApplyClick() {
    const int row = chosenRow();
    const int index = StartTypeCombo->itemIndex();
    if (row < 0 || index < 0 || size_t(index) >= choices_.size()) {
        showInfo(phrase("AllServicesChoose"));
        return;
    }
    const ServiceEntry e = rows_[size_t(row)];
    const StartChoice now = currentStartChoice(e, delayedKnown_), after = choices_[size_t(index)];
    if (e.hasStart && now == after) {
        showInfo(formatMessage(phrase("AllServicesSameType"), e.displayName));
        return;
    }
    ensureLinks();
    if (after.start == 4 && vitalRows(rows_, links_, presetVitalServices())[size_t(row)]) {
        showInfo(formatMessage(phrase("AllServicesVital"), e.displayName));
        return;
    }
    std::string question = formatMessage(
        phrase("AllServicesAsk"), startChangeSubject(e.displayName, startText(e, now, phrases_), startText(e, after, phrases_)));
    const std::string notes = startChangeNotes(size_t(row), after, rows_, links_, phrases_);
    if (!notes.empty()) question += "\n\n" + notes;
    if (!askQuestion(question)) return;

    const std::string folder = programFolder() + kImportFolder, fileName = startTypeFileName(e.systemName);
    createFolders(folder);
    writeFileAtomically(folder + fileName, ansiOrUtf16(startTypeFileText(e.systemName, after, delayedKnown_)));
    const std::string service = e.systemName;
    // The one import entry point every import goes through (a preset apply too).
    host_.importVerified(folder + fileName, fileName, ImportAction::ServiceStartType, {service},
                         [this, service] { afterStartTypeCheck(service); });
    const PreviewPhrases russian = builtinAllServicesPhrase;
    host_.logLine("Тип запуска службы " + e.displayName + " изменён: " + startText(e, now, russian) + " → " +
              startText(e, after, russian));
    host_.logLine("Был использован файл: " + fileName);
}

// The row shows what the registry holds once the check has read it.
void AllServicesPage::afterStartTypeCheck(const std::string& systemName) {
    const int row = rowOfService(rows_, systemName);
    if (row < 0) return;
    rereadStartType(rows_[size_t(row)]);
    AllServicesList->setRowCount(int(shown_.size()), AllServicesList->selectedRow());
    showDetails();
}

}  // namespace qlmr
