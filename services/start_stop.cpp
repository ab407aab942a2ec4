// Starting and stopping the current service, then refreshing the list and the states.
#include "base/environment.h"
#include "app/main_form.h"
#include "lang/lang_messages.h"

namespace qlmr {

void MainForm::startOrStop(bool start) {
    const std::string filter = state.SortKind;
    // A real flag, not the panel's text: a language file may rename that text.
    if (!state.serviceChosen) {
        showInfo(message(start ? "msg5" : "msg6"));
        return;
    }
    const std::string name = state.ServiceSysName.text();
    if (start)
        env().services->start(name);
    else
        env().services->stop(name);
    logLine("Служба " + state.ServiceNameCB.text() + (start ? " запущена" : " остановлена"));
    PauseWithMessages(100);
    SortTwDClick();
    PauseWithMessages(500);
    ServCheckStateClick();
    if (filter == "Active") SortTwAClick();
    if (filter == "Stoped") SortTwNAClick();
}

void MainForm::ServStartClick() { startOrStop(true); }
void MainForm::ServStopClick() { startOrStop(false); }

void MainForm::MainPopupMenuPopup() { ServiceNamesClick(); }

}  // namespace qlmr
