// The language chooser: picks the language stored in main.ini and applies it on closing.
#include "lang/lang_form.h"

#include <string>

#include "base/identity.h"
#include "lang/language_choice.h"
#include "lang/translation.h"
#include "platform/files.h"
#include "platform/profile.h"

namespace qlmr {
namespace {

constexpr const char* kProgramSection = "Program";

std::string settingsFile() { return programFolder() + kSettingsFile; }

}  // namespace

LangForm::LangForm() : tk::Form("TLangForm", "LangForm", {0, 0, 283, 169}, tk::kStyleCaptionWithBoxes) {
    using tk::Rect;
    setMinimumClientSize({283, 169});
    LangFormRNComboBox = make<tk::ComboBox>("LangFormRNComboBox", this, "", Rect{37, 24, 209, 24}, true);
    LangFormComboBox = make<tk::ComboBox>("LangFormComboBox", this, "", Rect{37, 56, 209, 24}, true);
    LangFormComboBox->setVisible(false);
    CloselangFButton = make<tk::Button>("CloselangFButton", this, "Закрыть", Rect{37, 88, 209, 28});
    ShowCheckBox = make<tk::CheckBox>("ShowCheckBox", this, "Больше не показывать", Rect{123, 141, 152, 20});

    LangFormRNComboBox->onChange = [this] { LangFormRNComboBoxChange(); };
    CloselangFButton->onClick = [this] { CloselangFButtonClick(); };
    ShowCheckBox->onClick = [this] { ShowCheckBoxClick(); };
    onShow = [this] { FormShow(); };
    centre();
    tk::runHandler([this] { FormCreate(); });
}

void LangForm::FormCreate() {
    const std::string ini = settingsFile();
    const std::string version = readProfileString(ini, kProgramSection, "VersionInfo", "No Data");
    const std::string released = readProfileString(ini, kProgramSection, "DateRelease", "No Data");
    setCaption(std::string(kApplicationTitle) + version + " Released on :" + released);
    setStyleBits(tk::kStyleMinMaxBoxes);
    LangFormRNComboBox->setItemIndex(0);
    LangFormRNComboBox->setText("Выберите язык интерфейса");
}

// The lists are rebuilt at every showing, without log lines.
void LangForm::FormShow() { ListLanguageFiles(*LangFormComboBox, *LangFormRNComboBox, nullptr); }

// Stores the choice; a failed DefaultLang write stops before LangName is tried.
void LangForm::LangFormRNComboBoxChange() {
    const int position = LangFormRNComboBox->itemIndex();
    const bool listed = position >= 0 && position < LangFormComboBox->count();
    const std::string ini = settingsFile();
    writeProfileString(ini, kProgramSection, "DefaultLang", std::to_string(position));
    writeProfileString(ini, kProgramSection, "LangName", listed ? LangFormComboBox->item(position) : "");
    LangFormComboBox->setItemIndex(position);
}

// Applies the stored language to every window, memos excepted; the main window's current
// language file and display names stay as they are.
void LangForm::CloselangFButtonClick() {
    const std::string name = readProfileString(settingsFile(), kProgramSection, "LangName", "No data");
    ApplyLanguageFile(programFolder() + kLangFolder + name, false);
    close();
}

// Every click writes "N", ticked or not.
void LangForm::ShowCheckBoxClick() { writeProfileString(settingsFile(), kProgramSection, "ShowLangForm", "N"); }

}  // namespace qlmr
