// The configurations page: choosing a preset, its full description, apply and undo.
#include "about/help_system.h"
#include "base/environment.h"
#include "base/identity.h"
#include "config/config_page.h"
#include "lang/ini.h"
#include "lang/lang_messages.h"
#include "lang/lang_text.h"
#include "lang/message_format.h"
#include "platform/files.h"
#include "config/filtered_import.h"
#include "config/snapshot.h"
#include "lang/message_keys.h"

namespace qlmr {
namespace {


// The presets description file, in the code page its [About] section declares; a missing file
// reads as empty.
IniText readPresetDescriptions() {
    const std::string path = programFolder() + kConfigFolder + kPresetsDescriptionFile;
    if (!fileExists(path)) return IniText();
    return IniText(readLanguageText(path).value_or(""));
}

void logImport(PageHost& form, const std::string& firstLine, const std::string& file) {
    form.logLine(firstLine);
    form.logLine(std::string("Ветка: ") + kServicesBranch);
    form.logLine("Был использован файл: " + file);
}

}  // namespace

void ConfigPage::choosePreset(const std::string& kind) {
    const IniText descriptions = readPresetDescriptions();
    if (state.ConfigKind != kind) {
        state.ConfigKind = kind;
        ConfigKindChange();
    }
    DescriptionMemo->setText(descriptions.read(kind, "Info", "No Data"));
    showStartPreview(programFolder() + kConfigFolder + state.ConfigRegFileName, false);
}

void ConfigPage::TweackedcfClick() { choosePreset("tweaked.html"); }
void ConfigPage::InternetcfClick() { choosePreset("internet.html"); }
void ConfigPage::GamingcfClick() { choosePreset("gaming.html"); }
void ConfigPage::CommoncfClick() { choosePreset("common.html"); }

void ConfigPage::ConfigKindChange() { state.ConfigRegFileName = state.ConfigKind + ".reg"; }

void ConfigPage::DescrFullLabelClick() {
    if (state.ConfigKind == kNoPreset) {
        showInfo(host_.message(msg::kChoosePresetFirst));
        return;
    }
    showHelpTopic(state.ConfigKind);
}

void ConfigPage::ConfigApplyvClick() {
    if (state.ConfigKind == kNoPreset) {
        showInfo(host_.message(msg::kChoosePresetFirst));
        return;
    }
    const std::string fileName = state.ConfigRegFileName;
    if (!askQuestion(formatMessage(host_.message(msg::kAskApplyPreset), fileName))) return;
    ConfigApplyUndo->setEnabled(true);
    saveCurrentStartTypes(state, host_);
    saveDescriptions(state, host_);
    showInfo(formatMessage(host_.message(msg::kPresetImportStarting), fileName));
    host_.importVerified(installedServiceKeysCopy(programFolder() + kConfigFolder + fileName), fileName);
    logImport(host_, "Конфигурация скопирована в реестр", fileName);
    showInfo(host_.message(msg::kTakesEffectAfterRestart));
}

void ConfigPage::ConfigApplyUndoClick() {
    const std::string path = env().shortPath(programFolder() + kRegistryFolder + kStartTypesSnapshot);
    if (!askQuestion(formatMessage(host_.message(msg::kAskUndoPreset), state.ConfigRegFileName))) return;
    showInfo(formatMessage(host_.message(msg::kPresetImportStarting), path));
    host_.importVerified(installedServiceKeysCopy(path), kStartTypesSnapshot);
    logImport(host_, "Восстановлено первоначальное состояние сервисов", path);
    showInfo(host_.message(msg::kTakesEffectAfterRestart));
    ConfigApplyUndo->setEnabled(false);
}

}  // namespace qlmr
