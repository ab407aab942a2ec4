#pragma once
// The running-processes page: the list, the executable's folder and the web lookup of a name.
#include "base/page_host.h"
#include "toolkit/form.h"
#include "toolkit/widgets.h"

namespace qlmr {

class ProcessesPage {
public:
    ProcessesPage(tk::Form& form, tk::TabSheet* sheet, PageHost& host);

    tk::UniListBox* CurrentProcsTntlbx;
    tk::UniPanel* SearchOnlineTntpnl;
    tk::UniButton *EnumProcTntbtn, *OnlineSearchTntbtn, *OpenDitTntbtn;
    tk::UniComboBox *OnlineServerTntcmb, *OnlineServerStringTntcmb;
    tk::UniLabel* NameTntLabel;
    tk::StatusBar* CurrentStatusBar;

    void EnumProcTntbtnClick();
    void CurrentProcsTntlbxClick();
    void OnlineServerTntcmbChange();
    void OnlineSearchTntbtnClick();
    void OpenDitTntbtnClick();

private:
    PageHost& host_;
    void build(tk::Form& form, tk::TabSheet* sheet);
    void wire();
};

}  // namespace qlmr
