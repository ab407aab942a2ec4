// The state check over the whole catalogue, and the mark-all switch.
#include "base/environment.h"
#include "app/main_form.h"
#include "services/service_state.h"
#include "services/state_walk.h"

namespace qlmr {

// Holds the walk for the length of the check, also when it ends by an error.
class StateWalkScope {
public:
    explicit StateWalkScope(MainForm& form) : form_(form), walk_(env().services->beginWalk()) {
        form_.stateWalk_ = &walk_;
    }
    ~StateWalkScope() { form_.stateWalk_ = nullptr; }
private:
    MainForm& form_;
    StateWalk walk_;
};

void MainForm::ServCheckStateClick() {
    if (state.SortKind == "Active" || state.SortKind == "Stoped") SortTwDClick();
    int remembered = ServiceNames->itemIndex();
    if (remembered < 0) remembered = 0;
    state.ServiceRunningCB.clear();
    state.ServiceRunningCBN.clear();
    state.ServiceRunningCBS.clear();
    state.ServiceRunningCBSN.clear();
    logLine("Проверка общего состояния служб стартовала");
    {
        // The walk takes no input and shows nothing until it ends: paint the page once, after.
        tk::RedrawPause pause(SheetService);
        StateWalkScope walk(*this);
        for (int i = 0; i < ServiceNames->count(); ++i) {
            ServiceNames->setItemIndex(i);
            ServiceNamesClick();
            const std::string name = InfoName->text();
            ReadServiceDetails(name, true);
            const bool running = InfoStatus->text() == kStateRunning;
            ServiceNames->setChecked(i, !running);
            (running ? state.ServiceRunningCB : state.ServiceRunningCBS).push_back(name);
            (running ? state.ServiceRunningCBN : state.ServiceRunningCBSN).push_back(std::to_string(i));
        }
        ServiceNames->setItemIndex(remembered);
        ServiceNamesClick();
    }
    logLine("Проверка общего состояния служб завершена");
    const size_t stopped = state.ServiceRunningCBS.size(), running = state.ServiceRunningCB.size();
    StatAllLabel->setText("Всего: " + std::to_string(stopped + running));
    StopedStatLabel->setText("Не активных: " + std::to_string(stopped));
    ActiveStatLabel->setText("Активных: " + std::to_string(running));
}

void MainForm::ServCheckUncheckClick() {
    const bool markAll = ServCheckUncheck->text() == "Отметить все";
    ServCheckUncheck->setText(markAll ? "Снять выделение" : "Отметить все");
    for (int i = 0; i < ServiceNames->count(); ++i) ServiceNames->setChecked(i, markAll);
}

}  // namespace qlmr
