#include "app/main_form.h"

namespace qlmr {

void MainForm::wireServiceEvents() {
    ServiceNames->onClick = [this] { ServiceNamesClick(); };
    ServiceNames->onDblClick = [this] { ServiceNamesDblClick(); };
    ServiceNames->onContextMenu = [this] { MainPopupMenu->popup(handle()); };
    MainPopupMenu->onPopup = [this] { MainPopupMenuPopup(); };
    ServiceNameCBUni->onChange = [this] { ServiceNameCBUniChange(); };
    ServCheckState->onClick = [this] { ServCheckStateClick(); };
    ServCheckUncheck->onClick = [this] { ServCheckUncheckClick(); };
    ServStart->onClick = [this] { ServStartClick(); };
    ServStop->onClick = [this] { ServStopClick(); };
    StartM->onClick = [this] { ServStartClick(); };
    StopM->onClick = [this] { ServStopClick(); };
    ServHelp->onClick = [this] { ServHelpClick(); };
    HelpM->onClick = [this] { ServHelpClick(); };
    SortTwA->onClick = [this] { SortTwAClick(); };
    SortTwNA->onClick = [this] { SortTwNAClick(); };
    SortTwD->onClick = [this] { SortTwDClick(); };
    ActiveStatLabel->onClick = [this] { SortTwAClick(); };
    StopedStatLabel->onClick = [this] { SortTwNAClick(); };
    StatAllLabel->onClick = [this] { SortTwDClick(); };
    TweackStart->onClick = [this] { TweackStartClick(); };
}

}  // namespace qlmr
