// Swapping the services' display names and descriptions for the shipped ones, and back.
#include "base/identity.h"
#include "app/main_form.h"
#include "lang/lang_messages.h"
#include "lang/message_format.h"
#include "platform/files.h"
#include "config/filtered_import.h"

namespace qlmr {

void MainForm::ChangeDescriptionButtonClick() {
    const std::string path = programFolder() + kConfigFolder + kReplacementDescriptions;
    ReadDescriptionClick();
    showInfo(formatMessage(message("msg2"), path));
    importVerified(installedServiceKeysCopy(path), kReplacementDescriptions);
    logLine("Описание служб изменено.Вы можете отменить изменения.Для этого кликните по кнопке "
            "\"Вернуть описание сервисов\"");
    logLine("Был использован файл: " + path);
    ChangeDescriptionBackButton->setEnabled(true);
}

void MainForm::ChangeDescriptionBackButtonClick() {
    const std::string path = programFolder() + kRegistryFolder + kDescriptionsSnapshot;
    showInfo(formatMessage(message("msg2"), path));
    importVerified(installedServiceKeysCopy(path), kDescriptionsSnapshot);
    logLine("Описание служб изменено.Вы можете отменить изменения.Для этого кликните по кнопке "
            "\"Сменить описание сервисов\"");
    logLine("Был использован файл: " + path);
}

}  // namespace qlmr
