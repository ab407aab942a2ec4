// The ordered start-up of the main window and what happens each time it is shown.
#include <stdexcept>

#include "base/identity.h"
#include "app/main_form.h"
#include "lang/lang_form.h"
#include "lang/lang_messages.h"
#include "lang/message_keys.h"
#include "lang/translation.h"
#include "platform/files.h"
#include "platform/profile.h"

namespace qlmr {
namespace {

// StrToInt: an optional sign and decimal digits, else "'%s' is not a valid integer value".
int toInteger(const std::string& text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    bool digits = i < text.size();
    for (size_t j = i; j < text.size(); ++j) digits = digits && text[j] >= '0' && text[j] <= '9';
    if (!digits || text.size() - i > 10) throw std::runtime_error("'" + text + "' is not a valid integer value");
    long long v = std::stoll(text);
    if (v > 2147483647LL || v < -2147483648LL) throw std::runtime_error("'" + text + "' is not a valid integer value");
    return int(v);
}

}  // namespace

std::string MainForm::settingsPath() const { return programFolder() + kSettingsFile; }

std::string MainForm::currentLanguageFile() const {
    return programFolder() + kLangFolder + state.OptLangComboBox.text();
}

std::string MainForm::message(const std::string& key) const {
    return ReadLangMessage(msg::kSection, key, currentLanguageFile());
}

void MainForm::FormCreate() {
    logLine("Начало лог файла");
    logLine("Программа запущена");
    const std::string ini = settingsPath();
    const std::string version = readProfileString(ini, "Program", "VersionInfo", "No data");
    const std::string langName = readProfileString(ini, "Program", "LangName", "No data");
    setCaption(std::string(kWindowTitle) + "- ver. " + version);

    services->LoadServiceLists();

    const std::string logs = programFolder() + kLogsFolder;
    const std::string regs = programFolder() + kRegistryFolder;
    if (!folderExists(logs)) {
        createFolders(logs);
        createFolders(regs);
    }
    logLine("Созданы папки для хранения логов и резервных копий");
    logLine("Логи: " + logs);
    logLine("Резервные копии: " + regs);

    MainPageControl->setActive(SheetService);
    state.SortKind = ListFilter::All;

    if (fileExists(regs + kStartTypesSnapshot)) state.InitialEdit = true;
    if (!state.InitialEdit) {
        const std::string question =
            ReadLangMessage(msg::kSection, msg::kAskFirstRun, programFolder() + kLangFolder + langName);
        if (!askFirstRun(question)) return;
        backups->BackupAddNewClick();
        hidden->RegReadButtonInitialClick();
        hidden->ReadDescriptionClick();
        state.InitialEdit = true;
    }

    const int defaultLang = toInteger(readProfileString(ini, "Program", "DefaultLang", "No data"));
    TweakPanel& panel = *services->tweak;
    panel.OptLangComboBoxEnter();
    std::string fileName;
    if (defaultLang >= 0 && defaultLang < panel.OpLangRNComboBox->count()) {
        panel.OpLangRNComboBox->setItemIndex(defaultLang);
        if (defaultLang < state.OptLangComboBox.count()) fileName = state.OptLangComboBox.at(defaultLang);
    }
    if (!fileName.empty()) ApplyLanguageFile(programFolder() + kLangFolder + fileName, true);
    state.OptLangComboBox.setText(langName);

    tk::Application::instance().setBalloonHints(true);
}

void MainForm::FormShow() {
    const std::string show = readProfileString(settingsPath(), "Program", "ShowLangForm", "No data");
    if (show == "y" && langForm) langForm->showModal();
}

}  // namespace qlmr
