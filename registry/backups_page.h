#pragma once
// The backups page: the dated backups of the services branch, listed, restored, made and deleted.
#include "base/hidden_state.h"
#include "base/page_host.h"
#include "toolkit/form.h"
#include "toolkit/menu.h"
#include "toolkit/widgets.h"

namespace qlmr {

class BackupsPage {
public:
    BackupsPage(tk::Form& form, tk::TabSheet* sheet, HiddenState& state, PageHost& host);

    tk::ListBox* BackupBox;
    tk::GroupBox *BackupGroup, *DeleteGroup;
    tk::Button *BackupSearch, *BackupAdd, *BackupAddNew, *BackupDelete;
    tk::RadioButton *RWipe, *RRecycle;
    tk::Label *BackupNameLb, *BackupNameTextLb, *BackupPathlb, *BackupPathTextlb;
    tk::PopupMenu* BackupPopupMenu;
    tk::MenuItem *N4, *N5, *N6, *N7;

    void BackupSearchClick();
    void BackupBoxClick();
    void BackupAddClick();
    void BackupAddNewClick();
    void BackupDeleteClick();

private:
    tk::Form& form_;
    tk::TabSheet* sheet_;
    HiddenState& state;
    PageHost& host_;

    void buildList();
    void buildColumn();
    void buildChoiceLabels();
    void buildPopupMenu();
    void wire();
};

}  // namespace qlmr
