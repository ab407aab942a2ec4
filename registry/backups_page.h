#pragma once
// The backups page: the dated backups of the services branch, listed, restored, made and deleted.
#include <memory>
#include <string>

#include "base/hidden_state.h"
#include "base/page_host.h"
#include "toolkit/form.h"
#include "toolkit/menu.h"
#include "toolkit/widgets.h"

namespace qlmr {

class BackupWatch;
struct BackupCheckResult;

class BackupsPage {
public:
    BackupsPage(tk::Form& form, tk::TabSheet* sheet, HiddenState& state, PageHost& host);
    ~BackupsPage();

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

    // The checks after the exports; the backups that failed theirs are marked in the list.
    std::unique_ptr<BackupWatch> backupWatch;
    void reportBackupCheck(const BackupCheckResult& result);
    void markFailedBackups();   // the list's lines again, failed backups marked
    bool confirmIncompleteRestore(const std::string& name, const std::string& path);

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
