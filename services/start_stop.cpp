// Starting and stopping the current service, then refreshing the list and the states.
#include "base/environment.h"
#include "services/services_page.h"
#include "lang/lang_messages.h"
#include "lang/message_keys.h"

namespace qlmr {

void ServicesPage::startOrStop(bool start) {
    const ListFilter filter = state.SortKind;
    // A real flag, not the panel's text: a language file may rename that text.
    if (!state.serviceChosen) {
        showInfo(host_.message(start ? msg::kChooseServiceToStart : msg::kChooseServiceToStop));
        return;
    }
    const std::string name = state.ServiceSysName.text();
    if (start)
        env().services->start(name);
    else
        env().services->stop(name);
    host_.logLine("Служба " + state.ServiceNameCB.text() + (start ? " запущена" : " остановлена"));
    // The manager needs a moment before the new state shows: a short pause before the list is
    // reloaded, a longer one before the states are asked.
    host_.PauseWithMessages(100);
    SortTwDClick();
    host_.PauseWithMessages(500);
    ServCheckStateClick();
    if (filter == ListFilter::Running) SortTwAClick();
    if (filter == ListFilter::Stopped) SortTwNAClick();
}

void ServicesPage::ServStartClick() { startOrStop(true); }
void ServicesPage::ServStopClick() { startOrStop(false); }

void ServicesPage::MainPopupMenuPopup() { ServiceNamesClick(); }

}  // namespace qlmr
