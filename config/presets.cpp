// The configurations page: choosing a preset, its full description, apply and undo.
#include "about/help_system.h"
#include "base/environment.h"
#include "base/identity.h"
#include "app/main_form.h"
#include "lang/ini.h"
#include "lang/lang_messages.h"
#include "lang/lang_text.h"
#include "lang/message_format.h"
#include "platform/files.h"
#include "config/filtered_import.h"

namespace qlmr {
namespace {

constexpr const char* kNoPreset = "ConfigKind";

// The presets description file, in the code page its [About] section declares; a missing file
// reads as empty.
IniText readPresetDescriptions() {
    const std::string path = programFolder() + kConfigFolder + kPresetsDescriptionFile;
    if (!fileExists(path)) return IniText();
    return IniText(readLanguageText(path).value_or(""));
}

void logImport(MainForm& form, const std::string& firstLine, const std::string& file) {
    form.logLine(firstLine);
    form.logLine(std::string("Ветка: ") + kServicesBranch);
    form.logLine("Был использован файл: " + file);
}

}  // namespace

void MainForm::choosePreset(const std::string& kind) {
    const IniText descriptions = readPresetDescriptions();
    if (state.ConfigKind != kind) {
        state.ConfigKind = kind;
        ConfigKindChange();
    }
    DescriptionMemo->setText(descriptions.read(kind, "Info", "No Data"));
    showStartPreview(programFolder() + kConfigFolder + state.ConfigRegFileName, false);
}

void MainForm::TweackedcfClick() { choosePreset("tweaked.html"); }
void MainForm::InternetcfClick() { choosePreset("internet.html"); }
void MainForm::GamingcfClick() { choosePreset("gaming.html"); }
void MainForm::CommoncfClick() { choosePreset("common.html"); }

void MainForm::ConfigKindChange() { state.ConfigRegFileName = state.ConfigKind + ".reg"; }

void MainForm::DescrFullLabelClick() {
    if (state.ConfigKind == kNoPreset) {
        showInfo(message("msg8"));
        return;
    }
    showHelpTopic(state.ConfigKind);
}

void MainForm::ConfigApplyvClick() {
    if (state.ConfigKind == kNoPreset) {
        showInfo(message("msg8"));
        return;
    }
    const std::string fileName = state.ConfigRegFileName;
    if (!askQuestion(formatMessage(message("msg13"), fileName))) return;
    ConfigApplyUndo->setEnabled(true);
    RegReadButtonClick();
    ReadDescriptionClick();
    showInfo(formatMessage(message("msg9"), fileName));
    importVerified(installedServiceKeysCopy(programFolder() + kConfigFolder + fileName), fileName);
    logImport(*this, "Конфигурация скопирована в реестр", fileName);
    showInfo(message("msg10"));
}

void MainForm::ConfigApplyUndoClick() {
    const std::string path = env().shortPath(programFolder() + kRegistryFolder + kStartTypesSnapshot);
    if (!askQuestion(formatMessage(message("msg15"), state.ConfigRegFileName))) return;
    showInfo(formatMessage(message("msg9"), path));
    importVerified(installedServiceKeysCopy(path), kStartTypesSnapshot);
    logImport(*this, "Восстановлено первоначальное состояние сервисов", path);
    showInfo(message("msg10"));
    ConfigApplyUndo->setEnabled(false);
}

}  // namespace qlmr
