#include "services/services_page.h"

#include "services/state_walk.h"

namespace qlmr {

using tk::anchor;
using tk::Rect;

namespace {

// The right-hand column of the page, and the list's width beside it (the extra-functions
// panel, when shown, takes 208 of it).
constexpr int kColumnX = kSheetWidth - 328;
constexpr int kListWidth = kColumnX - 16, kListWidthBesidePanel = kListWidth - 208;

}  // namespace

ServicesPage::ServicesPage(tk::Form& form, tk::TabSheet* sheet, HiddenState& state, PageHost& host,
                           PanelCommands& commands)
    : form_(form), sheet_(sheet), state(state), host_(host) {
    buildList();
    buildButtons();
    buildInfoPanel();
    buildPopupMenu();
    tweak = std::make_unique<TweakPanel>(form, sheet, Rect{kListWidthBesidePanel + 12, 6, 200, 360}, state, host,
                                         commands);
    wire();
}

ServicesPage::~ServicesPage() = default;

void ServicesPage::buildList() {
    ServiceNameCBUni = anchor(form_.make<tk::UniComboBox>("ServiceNameCBUni", sheet_, "Find/Найти",
                                                          Rect{8, 6, kListWidth, 24}, true),
                              tk::kAnchorTopWide);
    ServiceNameCBUni->autoComplete = true;
    ServiceNames = anchor(form_.make<tk::UniCheckListBox>("ServiceNames", sheet_, Rect{8, 34, kListWidth, kSheetHeight - 42}),
                          tk::kAnchorAll);
    ServiceNames->setColor(0xC0DCC0);   // light green: red 192, green 220, blue 192
}

void ServicesPage::buildButtons() {
    auto right = [this](auto* control) { return anchor(control, tk::kAnchorTopRight); };
    tk::TabSheet* p = sheet_;
    ServCheckState =
        right(form_.make<tk::Button>("ServCheckState", p, "Проверить текущее состояние", Rect{kColumnX, 6, 320, 28}));
    ServCheckUncheck = right(form_.make<tk::CheckBox>("ServCheckUncheck", p, "Отметить все", Rect{kColumnX, 40, 320, 20}));
    StatAllLabel = right(form_.make<tk::Label>("StatAllLabel", p, "Всего :", Rect{kColumnX, 64, 320, 18}));
    ActiveStatLabel = right(form_.make<tk::Label>("ActiveStatLabel", p, "Активных :", Rect{kColumnX, 84, 320, 18}));
    StopedStatLabel =
        right(form_.make<tk::Label>("StopedStatLabel", p, "Не активных :", Rect{kColumnX, 104, 320, 18}));
    ServStart = right(form_.make<tk::Button>("ServStart", p, "Запустить Службу", Rect{kColumnX, 130, 155, 32}));
    ServStop =
        right(form_.make<tk::Button>("ServStop", p, "Остановить Службу", Rect{kColumnX + 165, 130, 155, 32}));
    ServHelp = right(form_.make<tk::Button>("ServHelp", p, "Информация по службе", Rect{kColumnX, 168, 155, 32}));
    TweackStart =
        right(form_.make<tk::Button>("TweackStart", p, "Дополнительные функции", Rect{kColumnX + 165, 168, 155, 32}));
}

void ServicesPage::buildInfoPanel() {
    ServInfoPanel =
        anchor(form_.make<tk::Panel>("ServInfoPanel", sheet_, Rect{kColumnX, 208, 320, 264}), tk::kAnchorTopRight);
    tk::Panel* q = ServInfoPanel;
    auto pair = [&](tk::Label*& caption, const char* cname, const char* ctext, tk::Label*& value, const char* vname,
                    const char* vtext, int y, int valueHeight) {
        caption = form_.make<tk::Label>(cname, q, ctext, Rect{4, y, 312, 18});
        value = form_.make<tk::Label>(vname, q, vtext, Rect{4, y + 18, 312, valueHeight});
        value->setBold(true);
    };
    pair(InfoNameLb, "InfoNameLb", "Системное название службы ", InfoName, "InfoName", "Имя", 4, 20);
    pair(InfoTMLb, "InfoTMLb", "Название службы в Task Manager", InfoTMCaption, "InfoTMCaption", "Имя", 46, 20);
    pair(InfoStatusLb, "InfoStatusLb", "Текущее состояние", InfoStatus, "InfoStatus", "Состояние", 88, 20);
    pair(InfoAutostartLb, "InfoAutostartLb", "Параметр автозапуска", InfoAutostartText, "InfoAutostartText",
         "Автостарт", 130, 20);
    pair(ServicePathLb, "ServicePathLb", "Находиться в", ServicePath, "ServicePath", "Путь", 172, 70);
}

void ServicesPage::buildPopupMenu() {
    MainPopupMenu = form_.make<tk::PopupMenu>("MainPopupMenu");
    StartM = form_.make<tk::MenuItem>("StartM", "Запустить службу");
    StopM = form_.make<tk::MenuItem>("StopM", "Остановить службу");
    HelpM = form_.make<tk::MenuItem>("HelpM", "Помошь по службе");
    MainPopupMenu->add(StartM);
    MainPopupMenu->add(StopM);
    MainPopupMenu->add(HelpM);
}

void ServicesPage::wire() {
    ServiceNames->onClick = [this] { ServiceNamesClick(); };
    ServiceNames->onDblClick = [this] { ServiceNamesDblClick(); };
    ServiceNames->onContextMenu = [this] { MainPopupMenu->popup(host_.window()); };
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
    tweak->SortTwA->onClick = [this] { SortTwAClick(); };
    tweak->SortTwNA->onClick = [this] { SortTwNAClick(); };
    tweak->SortTwD->onClick = [this] { SortTwDClick(); };
    ActiveStatLabel->onClick = [this] { SortTwAClick(); };
    StopedStatLabel->onClick = [this] { SortTwNAClick(); };
    StatAllLabel->onClick = [this] { SortTwDClick(); };
    TweackStart->onClick = [this] { TweackStartClick(); };
}

// The extra-functions panel, when shown, stands in the right part of the list's place.
void ServicesPage::fitServiceList() {
    const int width = tweak->TweackPanel->visible() ? kListWidthBesidePanel : kListWidth;
    ServiceNameCBUni->setDesignBounds({8, 6, width, 24});
    ServiceNames->setDesignBounds({8, 34, width, kSheetHeight - 42});
    form_.placeControls();
}

}  // namespace qlmr
