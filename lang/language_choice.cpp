// Searching the language files for the language selectors of the windows.
#include "lang/language_choice.h"

#include <algorithm>
#include <vector>

#include "base/identity.h"
#include "base/indexed_list.h"
#include "base/page_host.h"
#include "lang/ini.h"
#include "lang/lang_text.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "toolkit/widgets.h"

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
void fillLanguageLists(FileList& fileNames, NameList& displayNames, PageHost* log) {
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

void ListLanguageFiles(IndexedList& fileNames, tk::ComboBox& displayNames, PageHost* log) {
    fillLanguageLists(fileNames, displayNames, log);
}

void ListLanguageFiles(tk::ComboBox& fileNames, tk::ComboBox& displayNames, PageHost* log) {
    fillLanguageLists(fileNames, displayNames, log);
}

}  // namespace qlmr
