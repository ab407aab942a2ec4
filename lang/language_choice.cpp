// Searching the language files and the main window's language selectors.
#include "lang/language_choice.h"

#include <algorithm>
#include <vector>

#include "base/identity.h"
#include "app/main_form.h"
#include "lang/ini.h"
#include "lang/lang_form.h"
#include "lang/lang_text.h"
#include "lang/translation.h"
#include "platform/files.h"
#include "platform/text_codec.h"

namespace qlmr {
namespace {

// The name a language file gives itself, read with an in-memory reader.
std::string languageDisplayName(const std::string& path) {
    return IniText(readLanguageText(path).value_or("")).read("About", "TranslateLangName", "No data");
}

// By name, letter case ignored: the order the file system gives differs between NTFS and FAT32,
// and a stored DefaultLang is a position in this list.
std::vector<std::string> sortedByName(std::vector<std::string> names) {
    auto lower = [](std::string s) {
        for (char& c : s)
            if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        return s;
    };
    std::stable_sort(names.begin(), names.end(),
                     [&](const std::string& a, const std::string& b) { return lower(a) < lower(b); });
    return names;
}

template <class FileList, class NameList>
void fillLanguageLists(FileList& fileNames, NameList& displayNames, MainForm* log) {
    fileNames.clear();
    displayNames.clear();
    if (log) log->logLine("Начало поиска доступных языковых файлов");
    const std::string folder = programFolder() + kLangFolder;
    for (const std::string& name : sortedByName(listFiles(folder, kLanguagePattern))) {
        displayNames.add(languageDisplayName(folder + name));
        fileNames.add(name);
    }
    if (log) {
        log->logLine("Конец поиска доступных языковых файлов");
        log->logLine("Найдено " + std::to_string(fileNames.count()) + " доступных языковых файлов");
    }
}

}  // namespace

void ListLanguageFiles(IndexedList& fileNames, tk::ComboBox& displayNames, MainForm* log) {
    fillLanguageLists(fileNames, displayNames, log);
}

void ListLanguageFiles(tk::ComboBox& fileNames, tk::ComboBox& displayNames, MainForm* log) {
    fillLanguageLists(fileNames, displayNames, log);
}

// Also the start-up's way of building the lists.
void MainForm::OptLangComboBoxEnter() { ListLanguageFiles(state.OptLangComboBox, *OpLangRNComboBox, this); }

void MainForm::OpLangRNComboBoxEnter() { OptLangComboBoxEnter(); }

// Picking a display name makes the file name at the same position the current one; asking
// for the position the list already has leaves its text alone.
void MainForm::OpLangRNComboBoxChange() {
    const int position = OpLangRNComboBox->itemIndex();
    if (position != state.OptLangComboBox.position()) state.OptLangComboBox.setPosition(position);
    OptLangComboBoxChange();
}

// Switches the running program only: nothing is written to main.ini.
void MainForm::OptLangComboBoxChange() {
    ApplyLanguageFile(currentLanguageFile(), true);
    LoadDisplayNames(state.OptLangComboBox.text());
    refreshStartPreview();
    refreshAllServicesTexts();
}

void MainForm::ShowLangfClick() {
    if (langForm) langForm->show();
}

}  // namespace qlmr
