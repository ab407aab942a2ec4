// The details panel of the current service.
#include "about/help_system.h"
#include "base/environment.h"
#include "services/services_page.h"
#include "config/reg_file.h"
#include "lang/lang_messages.h"
#include "services/service_state.h"
#include "services/state_walk.h"

namespace qlmr {
namespace {

// A fresh key, or the one the running state check holds for this entry.
struct ServiceKey {
    std::unique_ptr<RegistryKey> owned;
    RegistryKey* key = nullptr;
    ServiceKey(StateWalk* walk, const std::string& systemName) {
        const std::string path = std::string(kServicesKeyPath) + systemName;
        if (walk) {
            key = walk->key(path);
        } else {
            owned = env().registry->openLocalMachine(path);
            key = owned.get();
        }
    }
    explicit operator bool() const { return key != nullptr; }
    RegistryKey* operator->() const { return key; }
    RegistryKey& operator*() const { return *key; }
};

std::string readOr(RegistryKey& key, const char* name) { return key.hasValue(name) ? key.readString(name) : ""; }

// Row of the check list to catalogue index, by the filter mode.
int catalogueIndexOf(const HiddenState& s, int row) {
    if (s.SortKind == ListFilter::All) return row;
    const auto& rows = s.SortKind == ListFilter::Running ? s.runningRows : s.stoppedRows;
    if (row < 0 || size_t(row) >= rows.size()) return -1;
    return rows[size_t(row)];
}

}  // namespace

void ServicesPage::ServiceNamesClick() {
    const int p = catalogueIndexOf(state, ServiceNames->itemIndex());
    state.ServiceNumber = std::to_string(p + 1) + ".html";
    state.ServiceSysName.setPosition(p);
    state.ServiceTMName.setPosition(p);
    state.ServiceNameCB.setPosition(p);
    state.serviceChosen = true;
    const std::string& name = state.ServiceSysName.text();
    if (ServiceKey key(stateWalk_, name); key && key->hasValue("ImagePath")) ServicePath->setText(key->readString("ImagePath"));
    ReadServiceDetails(name, false);
    InfoName->setText(name);
    InfoTMCaption->setText(state.ServiceTMName.text());
    applyStateText(stateWalk_ ? stateWalk_->query(name) : GetServiceState("", name));
}

void ServicesPage::applyStateText(unsigned long serviceState) {
    const std::string text = stateText(serviceState);
    InfoStatus->setText(text);
    const bool stopped = text == kStateStopped;
    const bool missing = text == kStateNotInstalled;
    ServStart->setEnabled(stopped);
    StartM->setEnabled(stopped);
    ServStop->setEnabled(!stopped && !missing);
    StopM->setEnabled(!stopped && !missing);
}

void ServicesPage::ReadServiceDetails(const std::string& systemName, bool withLog) {
    ServiceKey key(stateWalk_, systemName);
    if (key) {
        if (key->hasValue("Start")) {
            switch (key->readInteger("Start")) {
            case 2: state.startTypeText = "Auto"; break;
            case 3: state.startTypeText = "Manual"; break;
            case 4: state.startTypeText = "Disabled"; break;
            default: break;
            }
        } else {
            state.startTypeText = "N/A";
        }
    } else {
        // No key: the service is not installed, so the previous service's start type would lie.
        state.startTypeText = "N/A";
    }
    InfoAutostartText->setText(state.startTypeText);
    if (!withLog) return;
    const std::string displayName = key ? readOr(*key, "DisplayName") : "";
    if (displayName.empty()) {
        host_.logLine("Название службы-" + state.ServiceNameCB.text());
        host_.logLine("Служба не установлена - Описание службы недоступно");
        return;
    }
    const std::string description = readOr(*key, "Description");
    const std::string imagePath = readOr(*key, "ImagePath");
    host_.logLine("Название службы-" + displayName);
    host_.logLine("Описание службы-" + description);
    host_.logLine("Находиться в-" + imagePath);
    host_.logLine("Параметры автостарта-" + state.startTypeText);
}

void ServicesPage::ServiceNamesDblClick() {
    ServiceNamesClick();
    std::string name = state.ServiceNameCB.text();
    // The box takes the name cut to 255 characters, as the short-string display always did.
    showInfo(name.substr(0, 255) + "-" + InfoStatus->text());
}

void ServicesPage::ServHelpClick() {
    if (!state.ServiceNumber.empty())
        showHelpTopic(state.ServiceNumber);
    else
        showHelpContents();
}

}  // namespace qlmr
