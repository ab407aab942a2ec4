#pragma once
// The page "Все службы": every installed service in one list with search, details, start and
// stop, the registry jump, the export, and one service's start type changed through an import.
#include <functional>
#include <string>
#include <vector>

#include "base/hidden_state.h"
#include "base/page_host.h"
#include "config/preview_text.h"
#include "services/all_services.h"
#include "services/start_type_change.h"
#include "toolkit/data_list.h"
#include "toolkit/widgets.h"

namespace qlmr {

class AllServicesPage {
public:
    AllServicesPage(tk::Form& form, tk::TabSheet* sheet, HiddenState& state, PageHost& host);
    ~AllServicesPage();
    AllServicesPage(const AllServicesPage&) = delete;
    AllServicesPage& operator=(const AllServicesPage&) = delete;

    tk::Label* AllServicesSearchLabel;
    tk::Edit* AllServicesSearch;
    tk::DataList* AllServicesList;
    tk::Button *AllServicesRefresh, *AllServicesStart, *AllServicesStop, *AllServicesJump, *AllServicesExport;
    tk::Label* StartTypeLabel;
    tk::ComboBox* StartTypeCombo;
    tk::Button* StartTypeApply;
    tk::Label* AllServicesInfoLabel;
    tk::Memo* AllServicesInfo;

    void AllServicesRefreshClick();   // reads every service again
    void AllServicesSearchChange();
    void AllServicesListColumnClick(int column);
    void AllServicesListSelect();
    void AllServicesStartClick();
    void AllServicesStopClick();
    void AllServicesJumpClick();
    void AllServicesExportClick();
    void StartTypeApplyClick();
    // The captions, words and details again, in the current language.
    void refreshTexts();

    const std::vector<ServiceEntry>& rows() const { return rows_; }
    // Rows in the order the list shows them, after the search.
    const std::vector<size_t>& shownRows() const { return shown_; }
    // Selects the service's row (cleared search first when it is hidden); false when not listed.
    bool select(const std::string& systemName);
    std::string cellText(int shownRow, int column) const;

private:
    tk::TabSheet* sheet_;
    HiddenState& state_;
    PageHost& host_;
    std::vector<ServiceEntry> rows_;
    std::vector<std::string> keys_;     // folded names for the search
    std::vector<ServiceLinks> links_;   // empty until first needed
    std::vector<size_t> order_, shown_;
    std::vector<StartChoice> choices_;
    PreviewPhrases phrases_;
    int sortColumn_ = 0;
    bool reversed_ = false;
    bool filled_ = false;
    bool delayedKnown_ = false;
    bool filling_ = false;   // selection notices of a refill are not the user's

    void build(tk::Form& form);
    void buildStartTypeControls(tk::Form& form);
    void wire();
    void fill();
    void showRows(const std::string& keepService);
    void fillStartChoices();
    void showDetails();
    void ensureLinks();
    const ServiceEntry* chosen() const;
    int chosenRow() const;   // in rows_, -1 when none
    void startOrStop(bool start);
    void afterStartTypeCheck(const std::string& systemName);
    std::string phrase(const std::string& key) const { return phrases_(key); }
};

}  // namespace qlmr
