// The state check over the whole catalogue, and the mark-all switch.
#include "base/environment.h"
#include "services/services_page.h"
#include "services/service_state.h"
#include "services/state_walk.h"

namespace qlmr {

// Holds the walk for the length of the check, also when it ends by an error.
class StateWalkScope {
public:
    explicit StateWalkScope(ServicesPage& form) : form_(form), walk_(env().services->beginWalk()) {
        form_.stateWalk_ = &walk_;
    }
    ~StateWalkScope() { form_.stateWalk_ = nullptr; }
private:
    ServicesPage& form_;
    StateWalk walk_;
};

void ServicesPage::ServCheckStateClick() {
    if (state.SortKind != ListFilter::All) SortTwDClick();
    int remembered = ServiceNames->itemIndex();
    if (remembered < 0) remembered = 0;
    state.runningNames.clear();
    state.runningRows.clear();
    state.stoppedNames.clear();
    state.stoppedRows.clear();
    host_.logLine("Проверка общего состояния служб стартовала");
    {
        // The walk takes no input and shows nothing until it ends: paint the page once, after.
        tk::RedrawPause pause(sheet_);
        StateWalkScope walk(*this);
        for (int i = 0; i < ServiceNames->count(); ++i) {
            ServiceNames->setItemIndex(i);
            ServiceNamesClick();
            const std::string name = InfoName->text();
            ReadServiceDetails(name, true);
            // The label holds the built-in Russian state text, which no language file replaces.
            const bool running = InfoStatus->text() == kStateRunning;
            ServiceNames->setChecked(i, !running);
            (running ? state.runningNames : state.stoppedNames).push_back(name);
            (running ? state.runningRows : state.stoppedRows).push_back(i);
        }
        ServiceNames->setItemIndex(remembered);
        ServiceNamesClick();
    }
    host_.logLine("Проверка общего состояния служб завершена");
    const size_t stopped = state.stoppedNames.size(), running = state.runningNames.size();
    StatAllLabel->setText("Всего: " + std::to_string(stopped + running));
    StopedStatLabel->setText("Не активных: " + std::to_string(stopped));
    ActiveStatLabel->setText("Активных: " + std::to_string(running));
}

void ServicesPage::ServCheckUncheckClick() {
    // The switch's own caption is its state: the built-in Russian one means "not yet marked".
    const bool markAll = ServCheckUncheck->text() == "Отметить все";
    ServCheckUncheck->setText(markAll ? "Снять выделение" : "Отметить все");
    for (int i = 0; i < ServiceNames->count(); ++i) ServiceNames->setChecked(i, markAll);
}

}  // namespace qlmr
