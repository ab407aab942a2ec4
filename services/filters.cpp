// Restricting the check list to running or stopped services, show-all, and the extra panel.
#include "base/identity.h"
#include "base/last_stamp.h"
#include "services/services_page.h"
#include "lang/ini.h"
#include "lang/lang_messages.h"
#include "lang/message_keys.h"
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

void ServicesPage::runFilter(bool running) {
    // Kept so that a failed save can put the rows back instead of leaving an empty list.
    std::vector<std::pair<std::string, bool>> shown;
    for (int i = 0; i < ServiceNames->count(); ++i) shown.emplace_back(ServiceNames->item(i), ServiceNames->checked(i));
    ServiceNames->clear();
    state.ServiceSortTemp.clear();
    ServStart->setEnabled(!running);
    ServStop->setEnabled(running);
    const auto& rows = running ? state.runningRows : state.stoppedRows;
    if (rows.empty()) {
        showInfo(host_.message(msg::kFilterFoundNothing));
        SortTwDClick();
        return;
    }
    for (const int p : rows) {
        state.ServiceSortTemp.push_back(p < state.ServiceNameCB.count() ? state.ServiceNameCB.at(p) : "");
    }
    const std::string path = programFolder() + kLogsFolder + (running ? "Running services " : "Stoped services ") +
                             lastStamp() + kLogExtension;
    try {
        writeFileAtomically(path, crLfLines(running ? state.runningNames : state.stoppedNames));
    } catch (...) {
        for (const auto& [name, checked] : shown) ServiceNames->add(name, checked);
        throw;
    }
    if (running) {
        host_.logLine("Информация об активных сервисах сохранена в файл " + path);
        host_.logLine("Произведена сортировка активных сервисов ");
    } else {
        host_.logLine("Информация о неактивных сервисах сохранена в файл " + path);
        host_.logLine("Произведена сортировка неактивных сервисов ");
    }
    ServiceNames->clear();
    for (const std::string& name : state.ServiceSortTemp) ServiceNames->add(name, false);
    state.SortKind = running ? ListFilter::Running : ListFilter::Stopped;
}

void ServicesPage::SortTwAClick() { runFilter(true); }
void ServicesPage::SortTwNAClick() { runFilter(false); }

// Show-all reads the display names of the language in use, so a filtered list keeps its language.
// All three files are read before anything is replaced: a missing file leaves every list as it was.
void ServicesPage::SortTwDClick() {
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
    host_.logLine("Загружен список сервисов");
    state.ServiceSysName.assign(std::move(systemNames));
    host_.logLine("Загружен список системных имен сервисов");
    state.ServiceTMName.assign(std::move(hosts));
    host_.logLine("Загружен список имен сервисов,отображаемых в Task Manager");
    state.SortKind = ListFilter::All;
    ServStart->setEnabled(true);
    ServStop->setEnabled(true);
}

void ServicesPage::TweackStartClick() {
    const std::string file = host_.currentLanguageFile();
    const IniText language(readLanguageText(file).value_or(""));
    const std::string hidden = language.read("MainForm", "TweackStart", "no Data");
    const std::string shown = language.read("MainForm", "TweackStart2", "no Data");
    if (tweak->TweackPanel->visible()) {
        TweackStart->setText(hidden);
        tweak->TweackPanel->setVisible(false);
        host_.logLine("Панель дополнительных функций скрыта");
    } else {
        TweackStart->setText(shown);
        tweak->TweackPanel->setVisible(true);
        host_.logLine("Активизирована панель дополнительных функций");
    }
    fitServiceList();
}

}  // namespace qlmr
