// Restricting the check list to running or stopped services, show-all, and the extra panel.
#include "base/identity.h"
#include "base/last_stamp.h"
#include "app/main_form.h"
#include "lang/ini.h"
#include "lang/lang_messages.h"
#include "lang/lang_text.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "services/list_readers.h"

namespace qlmr {
namespace {

std::string crLfLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    return ansiOrUtf16(out);
}

}  // namespace

void MainForm::runFilter(bool running) {
    // Kept so that a failed save can put the rows back instead of leaving an empty list.
    std::vector<std::pair<std::string, bool>> shown;
    for (int i = 0; i < ServiceNames->count(); ++i) shown.emplace_back(ServiceNames->item(i), ServiceNames->checked(i));
    ServiceNames->clear();
    state.ServiceSortTemp.clear();
    ServStart->setEnabled(!running);
    ServStop->setEnabled(running);
    const auto& numbers = running ? state.ServiceRunningCBN : state.ServiceRunningCBSN;
    if (numbers.empty()) {
        showInfo(message("msg7"));
        SortTwDClick();
        return;
    }
    for (const std::string& n : numbers) {
        const int p = std::stoi(n);
        state.ServiceSortTemp.push_back(p < state.ServiceNameCB.count() ? state.ServiceNameCB.at(p) : "");
    }
    const std::string path = programFolder() + kLogsFolder + (running ? "Running services " : "Stoped services ") +
                             lastStamp() + kLogExtension;
    try {
        writeFileAtomically(path, crLfLines(running ? state.ServiceRunningCB : state.ServiceRunningCBS));
    } catch (...) {
        for (const auto& [name, checked] : shown) ServiceNames->add(name, checked);
        throw;
    }
    if (running) {
        logLine("Информация об активных сервисах сохранена в файл " + path);
        logLine("Произведена сортировка активных сервисов ");
    } else {
        logLine("Информация о неактивных сервисах сохранена в файл " + path);
        logLine("Произведена сортировка неактивных сервисов ");
    }
    ServiceNames->clear();
    for (const std::string& name : state.ServiceSortTemp) ServiceNames->add(name, false);
    state.SortKind = running ? "Active" : "Stoped";
}

void MainForm::SortTwAClick() { runFilter(true); }
void MainForm::SortTwNAClick() { runFilter(false); }

// Show-all reads the display names of the language in use, so a filtered list keeps its language.
// All three files are read before anything is replaced: a missing file leaves every list as it was.
void MainForm::SortTwDClick() {
    const std::string folder = programFolder();
    const std::string language = state.OptLangComboBox.text().empty() ? "rus.lng" : state.OptLangComboBox.text();
    const std::string namesFile = folder + "ServicesRealNames-" + language + ".dat";
    // A translator's language often has no display-name file: the names read at start serve.
    const unsigned codePage = languageCodePage(folder + kLangFolder + language);
    std::vector<std::string> names =
        fileExists(namesFile) ? readUnicodeList(namesFile, codePage) : startupDisplayNames();
    std::vector<std::string> systemNames = readAnsiList(folder + kSystemNamesList);
    std::vector<std::string> hosts = readAnsiList(folder + kHostNamesList);
    ServiceNames->clear();
    ServiceNames->addAll(names);
    logLine("Загружен список сервисов");
    state.ServiceSysName.assign(std::move(systemNames));
    logLine("Загружен список системных имен сервисов");
    state.ServiceTMName.assign(std::move(hosts));
    logLine("Загружен список имен сервисов,отображаемых в Task Manager");
    state.SortKind = "SortKind";
    ServStart->setEnabled(true);
    ServStop->setEnabled(true);
}

void MainForm::TweackStartClick() {
    const std::string file = currentLanguageFile();
    const IniText language(readLanguageText(file).value_or(""));
    const std::string hidden = language.read("MainForm", "TweackStart", "no Data");
    const std::string shown = language.read("MainForm", "TweackStart2", "no Data");
    if (TweackPanel->visible()) {
        TweackStart->setText(hidden);
        TweackPanel->setVisible(false);
        logLine("Панель дополнительных функций скрыта");
    } else {
        TweackStart->setText(shown);
        TweackPanel->setVisible(true);
        logLine("Активизирована панель дополнительных функций");
    }
    fitServiceList();
}

}  // namespace qlmr
