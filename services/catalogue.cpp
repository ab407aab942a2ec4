// Loading the catalogue's lists and the search box over the display names.
#include "base/identity.h"
#include "services/services_page.h"
#include "lang/lang_text.h"
#include "platform/files.h"
#include "services/builtin_catalogue.h"
#include "services/list_readers.h"

namespace qlmr {
namespace {

constexpr const char* kRussianLanguage = "rus.lng";   // declares the code page of the names
constexpr const char* kRussianNames = "ServicesRealNames-rus.lng.dat";

}  // namespace

// The hidden lists start with the built-in catalogue; the list files replace it.
void loadBuiltinCatalogue(HiddenState& state) {
    for (const CatalogueRow& row : kBuiltinCatalogue) {
        state.ServiceNameCB.add(row.displayName);
        state.ServiceSysName.add(row.systemName);
        state.ServiceTMName.add(row.hostProcess);
    }
}

void ServicesPage::LoadServiceLists() {
    const std::string folder = programFolder();
    const unsigned codePage = languageCodePage(folder + kLangFolder + kRussianLanguage);
    ServiceNames->clear();
    const std::vector<std::string> displayNames = readUnicodeList(folder + kRussianNames, codePage);
    ServiceNames->addAll(displayNames);
    state.ServiceNameCB.clear();
    state.ServiceNameCB.assign(readAnsiList(folder + kRussianNames, codePage));
    ServiceNameCBUni->clear();
    for (const std::string& n : displayNames) ServiceNameCBUni->add(n);   // the same file, read once
    host_.logLine("Загружен список сервисов");
    state.ServiceSysName.clear();
    state.ServiceSysName.assign(readAnsiList(folder + kSystemNamesList));
    host_.logLine("Загружен список системных имен сервисов");
    state.ServiceTMName.clear();
    state.ServiceTMName.assign(readAnsiList(folder + kHostNamesList));
    host_.logLine("Загружен список имен сервисов,отображаемых в Task Manager");
}

void ServicesPage::LoadDisplayNames(const std::string& languageFileName) {
    const std::string path = programFolder() + "ServicesRealNames-" + languageFileName + ".dat";
    const unsigned codePage = languageCodePage(programFolder() + kLangFolder + languageFileName);
    ServiceNames->clear();
    ServiceNames->addAll(readUnicodeList(path, codePage));
    state.ServiceNameCB.clear();
    state.ServiceNameCB.assign(readAnsiList(path, codePage));
}

// The search box keeps the names read at start for the life of the window.
std::vector<std::string> ServicesPage::startupDisplayNames() const {
    std::vector<std::string> names;
    for (int i = 0; i < ServiceNameCBUni->count(); ++i) names.push_back(ServiceNameCBUni->item(i));
    return names;
}

// The check list follows the search box's position, counted in catalogue order.
void ServicesPage::ServiceNameCBUniChange() {
    int position = ServiceNameCBUni->itemIndex();
    if (position < 0) {
        ServiceNames->setItemIndex(-1);
        return;
    }
    if (position < ServiceNames->count()) ServiceNames->setItemIndex(position);
}

}  // namespace qlmr
