#include "registry/backups_page.h"

namespace qlmr {

using tk::anchor;
using tk::Rect;

namespace {

constexpr int kColumnX = kSheetWidth - 324;

}  // namespace

BackupsPage::BackupsPage(tk::Form& form, tk::TabSheet* sheet, HiddenState& state, PageHost& host)
    : form_(form), sheet_(sheet), state(state), host_(host) {
    buildList();
    buildColumn();
    buildChoiceLabels();
    buildPopupMenu();
    wire();
}

// The list stretches; the column beside it keeps to the right edge.
void BackupsPage::buildList() {
    BackupBox = anchor(form_.make<tk::ListBox>("BackupBox", sheet_, Rect{8, 8, kSheetWidth - 340, kSheetHeight - 16}),
                       tk::kAnchorAll);
    BackupBox->setHint("Доступные резевные копии");
}

void BackupsPage::buildColumn() {
    auto right = [](auto* control) { return anchor(control, tk::kAnchorTopRight); };
    tk::TabSheet* p = sheet_;
    const int x = kColumnX;
    BackupGroup = right(form_.make<tk::GroupBox>("BackupGroup", p, "Резервное копирование", Rect{x, 8, 316, 172}));
    BackupSearch =
        right(form_.make<tk::Button>("BackupSearch", p, "Доступные резервные копии", Rect{x + 10, 28, 296, 28}));
    BackupSearch->setHint("Найти резервные копии");
    BackupAdd = right(form_.make<tk::Button>("BackupAdd", p, "Добавить в реестр", Rect{x + 10, 62, 296, 28}));
    BackupAdd->setHint("Добавить в реестр выбранный резервный файл");
    BackupAddNew =
        right(form_.make<tk::Button>("BackupAddNew", p, "Создать новую резервную копию", Rect{x + 10, 96, 296, 28}));
    BackupAddNew->setHint("Создание новой резервной копии");
    BackupDelete =
        right(form_.make<tk::Button>("BackupDelete", p, "Удалить резервную копию", Rect{x + 10, 130, 296, 28}));
    BackupDelete->setHint("Удаляем ненужную резервную копию");
    DeleteGroup = right(form_.make<tk::GroupBox>("DeleteGroup", p, "Параметры удаления", Rect{x, 188, 316, 56}));
    RWipe = right(form_.make<tk::RadioButton>("RWipe", p, "Затереть", Rect{x + 10, 210, 140, 22}, true));
    RRecycle = right(form_.make<tk::RadioButton>("RRecycle", p, "В корзину", Rect{x + 160, 210, 140, 22}));
    RWipe->setChecked(true);
}

void BackupsPage::buildChoiceLabels() {
    auto right = [](auto* control) { return anchor(control, tk::kAnchorTopRight); };
    tk::TabSheet* p = sheet_;
    const int x = kColumnX;
    BackupNameLb = right(form_.make<tk::Label>("BackupNameLb", p, "Имя файла", Rect{x, 254, 316, 18}));
    BackupNameTextLb = right(form_.make<tk::Label>("BackupNameTextLb", p, "Имя", Rect{x, 272, 316, 34}));
    BackupPathlb = right(form_.make<tk::Label>("BackupPathlb", p, "Путь к резервному файлу", Rect{x, 310, 316, 18}));
    BackupPathTextlb = right(form_.make<tk::Label>("BackupPathTextlb", p, "Путь", Rect{x, 328, 316, 70}));
    BackupNameTextLb->setBold(true);
    BackupPathTextlb->setBold(true);
}

void BackupsPage::buildPopupMenu() {
    BackupPopupMenu = form_.make<tk::PopupMenu>("BackupPopupMenu");
    N4 = form_.make<tk::MenuItem>("N4", "Доступные резервные копии");
    N5 = form_.make<tk::MenuItem>("N5", "Добавить в реестр");
    N6 = form_.make<tk::MenuItem>("N6", "Создать новую резервную копию");
    N7 = form_.make<tk::MenuItem>("N7", "Удалить резервную копию");
    for (tk::MenuItem* m : {N4, N5, N6, N7}) BackupPopupMenu->add(m);
}

void BackupsPage::wire() {
    BackupBox->onClick = [this] { BackupBoxClick(); };
    BackupSearch->onClick = [this] { BackupSearchClick(); };
    BackupAdd->onClick = [this] { BackupAddClick(); };
    BackupAddNew->onClick = [this] { BackupAddNewClick(); };
    BackupDelete->onClick = [this] { BackupDeleteClick(); };
    N4->onClick = [this] { BackupSearchClick(); };
    N5->onClick = [this] { BackupAddClick(); };
    N6->onClick = [this] { BackupAddNewClick(); };
    N7->onClick = [this] { BackupDeleteClick(); };
    sheet_->onContextMenu = [this] { BackupPopupMenu->popup(host_.window()); };
}

}  // namespace qlmr
