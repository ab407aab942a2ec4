#include "config/config_page.h"

namespace qlmr {

using tk::anchor;
using tk::Rect;

ConfigPage::ConfigPage(tk::Form& form, tk::TabSheet* sheet, HiddenState& state, PageHost& host)
    : form_(form), sheet_(sheet), state(state), host_(host) {
    buildPresets();
    buildDescriptions();
    buildPreviewControls();
    wire();
}

void ConfigPage::buildPresets() {
    tk::TabSheet* p = sheet_;
    ConfigBox = form_.make<tk::GroupBox>("ConfigBox", p, "Конфигурации", Rect{8, 8, 300, 236});
    Tweackedcf = form_.make<tk::RadioButton>("Tweackedcf", p, "Самая урезанная", Rect{20, 30, 270, 22}, true);
    Internetcf = form_.make<tk::RadioButton>("Internetcf", p, "Интернет", Rect{20, 56, 270, 22});
    Gamingcf = form_.make<tk::RadioButton>("Gamingcf", p, "Игровая", Rect{20, 82, 270, 22});
    Commoncf = form_.make<tk::RadioButton>("Commoncf", p, "Для всех", Rect{20, 108, 270, 22});
    DescrFullLabel = form_.make<tk::Label>("DescrFullLabel", p, "Подробнее...", Rect{20, 138, 120, 18});
    DescrFullLabel->setLink(true);
    DescrFullLabel->setBold(true);
    ConfigApplyv = form_.make<tk::Button>("ConfigApplyv", p, "Применить конфигурацию", Rect{20, 164, 270, 28});
    ConfigApplyv->setHint("Применить выбранную конфигурацию");
    ConfigApplyUndo = form_.make<tk::Button>("ConfigApplyUndo", p, "Отменить изменения", Rect{20, 200, 270, 28});
    ConfigApplyUndo->setEnabled(false);
}

void ConfigPage::buildDescriptions() {
    tk::TabSheet* p = sheet_;
    DescriptionBox = anchor(form_.make<tk::GroupBox>("DescriptionBox", p, "Описание конфигураций",
                                                     Rect{316, 8, kSheetWidth - 324, 236}),
                            tk::kAnchorTopWide);
    DescriptionMemo = anchor(form_.make<tk::Memo>("DescriptionMemo", p, "Выберите одну из доступных конфигураций",
                                                  Rect{326, 28, kSheetWidth - 344, 206}, true),
                             tk::kAnchorTopWide);
    DescriptionSwapBox =
        form_.make<tk::GroupBox>("DescriptionSwapBox", p, "Описание сервисов", Rect{8, 252, 300, 100});
    ChangeDescriptionButton =
        form_.make<tk::Button>("ChangeDescriptionButton", p, "Сменить описание сервисов", Rect{20, 274, 270, 28});
    ChangeDescriptionBackButton =
        form_.make<tk::Button>("ChangeDescriptionBackButton", p, "Вернуть описание сервисов", Rect{20, 310, 270, 28});
    ChangeDescriptionBackButton->setEnabled(false);
}

// Below the description of the configurations; the list stretches with the page.
void ConfigPage::buildPreviewControls() {
    tk::TabSheet* p = sheet_;
    ConfigUndoPreview = form_.make<tk::Button>("ConfigUndoPreview", p, "Что вернёт отмена", Rect{8, 360, 300, 28});
    ConfigUndoPreview->setHint("Показать, что вернёт отмена: первоначальное состояние служб против нынешнего");
    PreviewSummaryLabel = anchor(form_.make<tk::Label>("PreviewSummaryLabel", p,
                                                       "Выберите конфигурацию, чтобы увидеть, что она изменит",
                                                       Rect{316, 254, kSheetWidth - 324, 18}),
                                 tk::kAnchorTopWide);
    PreviewList = anchor(
        form_.make<tk::ReportList>("PreviewList", p, Rect{316, 276, kSheetWidth - 324, kSheetHeight - 284},
                                   std::vector<tk::ReportList::Column>{
                                       {"Служба", 250}, {"Сейчас", 80}, {"После", 80}, {"Примечание", 262}}),
        tk::kAnchorAll);
    PreviewList->setHint("Службы, у которых изменится тип запуска");
}

void ConfigPage::wire() {
    Tweackedcf->onClick = [this] { TweackedcfClick(); };
    Internetcf->onClick = [this] { InternetcfClick(); };
    Gamingcf->onClick = [this] { GamingcfClick(); };
    Commoncf->onClick = [this] { CommoncfClick(); };
    DescrFullLabel->onClick = [this] { DescrFullLabelClick(); };
    ConfigApplyv->onClick = [this] { ConfigApplyvClick(); };
    ConfigApplyUndo->onClick = [this] { ConfigApplyUndoClick(); };
    ChangeDescriptionButton->onClick = [this] { ChangeDescriptionButtonClick(); };
    ChangeDescriptionBackButton->onClick = [this] { ChangeDescriptionBackButtonClick(); };
    ConfigUndoPreview->onClick = [this] { ConfigUndoPreviewClick(); };
}

}  // namespace qlmr
