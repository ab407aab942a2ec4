#pragma once
// The services page: the catalogue's check list and search box, the state counters, start and
// stop, the details panel of the current service, and the extra-functions panel beside the list.
#include <memory>
#include <string>
#include <vector>

#include "base/hidden_state.h"
#include "base/page_host.h"
#include "services/tweak_panel.h"
#include "toolkit/form.h"
#include "toolkit/menu.h"
#include "toolkit/widgets.h"

namespace qlmr {

class StateWalk;

class ServicesPage {
public:
    ServicesPage(tk::Form& form, tk::TabSheet* sheet, HiddenState& state, PageHost& host, PanelCommands& commands);
    ~ServicesPage();

    tk::UniComboBox* ServiceNameCBUni;
    tk::UniCheckListBox* ServiceNames;
    tk::Button *ServCheckState, *ServStart, *ServStop, *ServHelp, *TweackStart;
    tk::CheckBox* ServCheckUncheck;
    tk::Label *StatAllLabel, *ActiveStatLabel, *StopedStatLabel;
    tk::Panel* ServInfoPanel;
    tk::Label *InfoNameLb, *InfoTMLb, *InfoStatusLb, *InfoAutostartLb, *ServicePathLb;
    tk::Label *InfoName, *InfoTMCaption, *InfoStatus, *InfoAutostartText, *ServicePath;
    tk::PopupMenu* MainPopupMenu;
    tk::MenuItem *StartM, *StopM, *HelpM;
    std::unique_ptr<TweakPanel> tweak;   // the extra-functions panel, made after the page's own controls

    // catalogue (catalogue.cpp)
    void LoadServiceLists();
    void LoadDisplayNames(const std::string& languageFileName);
    void ServiceNameCBUniChange();
    // details (details.cpp)
    void ServiceNamesClick();
    void ServiceNamesDblClick();
    void ReadServiceDetails(const std::string& systemName, bool withLog);
    void ServHelpClick();
    // state check (state_check.cpp)
    void ServCheckStateClick();
    void ServCheckUncheckClick();
    // filters and the panel (filters.cpp)
    void SortTwAClick();
    void SortTwNAClick();
    void SortTwDClick();
    void TweackStartClick();
    // start and stop (start_stop.cpp)
    void ServStartClick();
    void ServStopClick();
    void MainPopupMenuPopup();

private:
    friend class StateWalkScope;
    tk::Form& form_;
    tk::TabSheet* sheet_;
    HiddenState& state;
    PageHost& host_;
    StateWalk* stateWalk_ = nullptr;   // one manager handle while the state check walks

    void buildList();
    void buildButtons();
    void buildInfoPanel();
    void buildPopupMenu();
    void wire();
    void fitServiceList();
    void applyStateText(unsigned long state);
    void runFilter(bool running);
    std::vector<std::string> startupDisplayNames() const;
    void startOrStop(bool start);
};

}  // namespace qlmr
