// Swapping the services' display names and descriptions for the shipped ones, and back.
#include "base/identity.h"
#include "config/config_page.h"
#include "lang/lang_messages.h"
#include "lang/message_format.h"
#include "platform/files.h"
#include "config/filtered_import.h"
#include "config/snapshot.h"
#include "lang/message_keys.h"

namespace qlmr {

void ConfigPage::ChangeDescriptionButtonClick() {
    const std::string path = programFolder() + kConfigFolder + kReplacementDescriptions;
    saveDescriptions(state, host_);
    showInfo(formatMessage(host_.message(msg::kImportStarting), path));
    host_.importVerified(installedServiceKeysCopy(path), kReplacementDescriptions);
    host_.logLine("Описание служб изменено.Вы можете отменить изменения.Для этого кликните по кнопке "
            "\"Вернуть описание сервисов\"");
    host_.logLine("Был использован файл: " + path);
    ChangeDescriptionBackButton->setEnabled(true);
}

void ConfigPage::ChangeDescriptionBackButtonClick() {
    const std::string path = programFolder() + kRegistryFolder + kDescriptionsSnapshot;
    showInfo(formatMessage(host_.message(msg::kImportStarting), path));
    host_.importVerified(installedServiceKeysCopy(path), kDescriptionsSnapshot);
    host_.logLine("Описание служб изменено.Вы можете отменить изменения.Для этого кликните по кнопке "
            "\"Сменить описание сервисов\"");
    host_.logLine("Был использован файл: " + path);
}

}  // namespace qlmr
