// The main window's side of the page of every installed service.
#include "app/main_form.h"
#include "services/all_services_page.h"

namespace qlmr {

void MainForm::buildAllServicesPage() {
    AllServicesHost host;
    host.log = [this](const std::string& line) { logLine(line); };
    host.message = [this](const std::string& key) { return message(key); };
    host.languageFile = [this] { return currentLanguageFile(); };
    host.pause = [this](unsigned long ms) { PauseWithMessages(ms); };
    host.catalogueNames = [this] { return state.ServiceSysName.items(); };
    // The one import entry point a preset apply uses as well.
    host.importChecked = [this](const std::string& path, const std::string& shownName, const std::string& service,
                                std::function<void()> checked) {
        importVerified(path, shownName, {service}, std::move(checked));
    };
    allServicesPage = std::make_unique<AllServicesPage>(*this, *MainPageControl, std::move(host));
}

void MainForm::refreshAllServicesTexts() { allServicesPage->refreshTexts(); }

}  // namespace qlmr
