// The page of every installed service: its controls, the list's rows, order and search, and the
// details of the chosen service.
#include "services/all_services_page.h"

#include <algorithm>

#include "platform/service_list.h"
#include "services/all_services_read.h"
#include "services/all_services_text.h"
#include "services/service_links.h"
#include "toolkit/form.h"

namespace qlmr {
namespace {

using tk::anchor;
using tk::Rect;

// The column of buttons at the page's right.
constexpr int kColumnX = kSheetWidth - 328;
constexpr int kListWidth = kColumnX - 16;

constexpr unsigned long kStopped = 1;   // SERVICE_STOPPED

std::vector<tk::DataList::Column> listColumns(const std::vector<std::string>& captions) {
    const int widths[kServiceColumns] = {250, 150, 110, 100, 34};
    std::vector<tk::DataList::Column> columns;
    for (int i = 0; i < kServiceColumns; ++i) columns.push_back({captions[size_t(i)], widths[i]});
    return columns;
}

}  // namespace

AllServicesPage::AllServicesPage(tk::Form& form, tk::TabSheet* sheet, HiddenState& state, PageHost& host)
    : sheet_(sheet), state_(state), host_(host), phrases_(builtinAllServicesPhrase) {
    build(form);
    buildStartTypeControls(form);
    wire();
}

// The controls outlive the page inside their form: they must not call back into it.
AllServicesPage::~AllServicesPage() {
    AllServicesList->setCellText(nullptr);
    AllServicesList->onSelect = nullptr;
    AllServicesList->onColumnClick = nullptr;
    AllServicesSearch->onChange = nullptr;
    sheet_->onShown = nullptr;
}

void AllServicesPage::build(tk::Form& form) {
    tk::TabSheet* p = sheet_;
    AllServicesSearchLabel = form.make<tk::Label>("AllServicesSearchLabel", p, "Найти:", Rect{8, 10, 70, 18});
    AllServicesSearch =
        anchor(form.make<tk::Edit>("AllServicesSearch", p, "", Rect{80, 6, kListWidth - 72, 24}), tk::kAnchorTopWide);
    AllServicesSearch->setHint("Часть названия или системного имени службы");
    AllServicesList = anchor(form.make<tk::DataList>(
                                 "AllServicesList", p, Rect{8, 36, kListWidth, kSheetHeight - 44},
                                 listColumns(allServicesColumns(phrases_)),
                                 [this](int row, int column) { return cellText(row, column); }),
                             tk::kAnchorAll);
    auto button = [&](tk::Button*& b, const char* name, const char* caption, Rect r) {
        b = anchor(form.make<tk::Button>(name, p, caption, r), tk::kAnchorTopRight);
    };
    button(AllServicesRefresh, "AllServicesRefresh", "Обновить список", Rect{kColumnX, 6, 320, 28});
    button(AllServicesStart, "AllServicesStart", "Запустить", Rect{kColumnX, 40, 155, 28});
    button(AllServicesStop, "AllServicesStop", "Остановить", Rect{kColumnX + 165, 40, 155, 28});
    button(AllServicesJump, "AllServicesJump", "Открыть в реестре", Rect{kColumnX, 74, 155, 28});
    button(AllServicesExport, "AllServicesExport", "Сохранить список", Rect{kColumnX + 165, 74, 155, 28});
    AllServicesExport->setHint("Сохранить список служб в файл CSV в папке логов");
    AllServicesInfoLabel = anchor(form.make<tk::Label>("AllServicesInfoLabel", p, "Сведения о службе",
                                                       Rect{kColumnX, 204, 320, 18}),
                                  tk::kAnchorTopRight);
    AllServicesInfo = anchor(form.make<tk::Memo>("AllServicesInfo", p, "Выберите службу в списке", Rect{kColumnX, 224, 320, kSheetHeight - 232},
                                                 true),
                             tk::kAnchorRightTall);
}

void AllServicesPage::buildStartTypeControls(tk::Form& form) {
    tk::TabSheet* p = sheet_;
    StartTypeLabel = anchor(form.make<tk::Label>("StartTypeLabel", p, "Тип запуска выбранной службы",
                                                 Rect{kColumnX, 112, 320, 18}),
                            tk::kAnchorTopRight);
    StartTypeCombo =
        anchor(form.make<tk::ComboBox>("StartTypeCombo", p, "", Rect{kColumnX, 132, 320, 24}, false), tk::kAnchorTopRight);
    StartTypeApply = anchor(form.make<tk::Button>("StartTypeApply", p, "Изменить тип запуска", Rect{kColumnX, 162, 320, 28}),
                            tk::kAnchorTopRight);
    StartTypeApply->setHint("Записать выбранный тип запуска в реестр через редактор реестра");
}

void AllServicesPage::wire() {
    sheet_->onShown = [this] {
        if (!filled_) fill();
    };
    AllServicesSearch->onChange = [this] { AllServicesSearchChange(); };
    AllServicesList->onColumnClick = [this](int column) { AllServicesListColumnClick(column); };
    AllServicesList->onSelect = [this] { AllServicesListSelect(); };
    AllServicesRefresh->onClick = [this] { AllServicesRefreshClick(); };
    AllServicesStart->onClick = [this] { AllServicesStartClick(); };
    AllServicesStop->onClick = [this] { AllServicesStopClick(); };
    AllServicesJump->onClick = [this] { AllServicesJumpClick(); };
    AllServicesExport->onClick = [this] { AllServicesExportClick(); };
    StartTypeApply->onClick = [this] { StartTypeApplyClick(); };
}

// One enumeration and one read of each key's start type; the rest waits until it is needed.
void AllServicesPage::fill() {
    const ServiceEntry* before = chosen();
    const std::string keep = before ? before->systemName : std::string();
    filled_ = true;
    delayedKnown_ = systemKnowsDelayedStart();
    phrases_ = allServicesPhrases(host_.currentLanguageFile());
    rows_ = readInstalledServices(state_.ServiceSysName.items());
    keys_ = searchKeys(rows_);
    links_.clear();
    order_ = sortedRows(rows_, ServiceColumn(sortColumn_), reversed_);
    AllServicesList->setColumnCaptions(allServicesColumns(phrases_));
    AllServicesList->showSortMark(sortColumn_, reversed_);
    fillStartChoices();
    showRows(keep);
}

void AllServicesPage::AllServicesRefreshClick() { fill(); }

// The search and the order applied; the chosen service stays chosen while it is shown.
void AllServicesPage::showRows(const std::string& keepService) {
    shown_ = matchingRows(keys_, order_, AllServicesSearch->text());
    int selected = -1;
    for (size_t i = 0; i < shown_.size() && !keepService.empty(); ++i)
        if (rows_[shown_[i]].systemName == keepService) selected = int(i);
    filling_ = true;
    AllServicesList->setRowCount(int(shown_.size()), selected);
    filling_ = false;
    showDetails();
}

void AllServicesPage::AllServicesSearchChange() {
    if (!filled_) return;
    const ServiceEntry* e = chosen();
    showRows(e ? e->systemName : std::string());
}

// A click on the column the rows are sorted by reverses them.
void AllServicesPage::AllServicesListColumnClick(int column) {
    if (column < 0 || column >= kServiceColumns) return;
    reversed_ = column == sortColumn_ ? !reversed_ : false;
    sortColumn_ = column;
    const ServiceEntry* e = chosen();
    const std::string keep = e ? e->systemName : std::string();
    order_ = sortedRows(rows_, ServiceColumn(sortColumn_), reversed_);
    AllServicesList->showSortMark(sortColumn_, reversed_);
    showRows(keep);
}

void AllServicesPage::AllServicesListSelect() {
    if (!filling_) showDetails();
}

int AllServicesPage::chosenRow() const {
    const int shown = AllServicesList->selectedRow();
    return shown >= 0 && size_t(shown) < shown_.size() ? int(shown_[size_t(shown)]) : -1;
}

const ServiceEntry* AllServicesPage::chosen() const {
    const int row = chosenRow();
    return row >= 0 ? &rows_[size_t(row)] : nullptr;
}

std::string AllServicesPage::cellText(int shownRow, int column) const {
    if (shownRow < 0 || size_t(shownRow) >= shown_.size() || column < 0 || column >= kServiceColumns) return {};
    return serviceCell(rows_[shown_[size_t(shownRow)]], ServiceColumn(column), delayedKnown_, phrases_);
}

bool AllServicesPage::select(const std::string& systemName) {
    const int row = rowOfService(rows_, systemName);
    if (row < 0) return false;
    if (std::find(shown_.begin(), shown_.end(), size_t(row)) == shown_.end()) AllServicesSearch->setText("");
    for (size_t i = 0; i < shown_.size(); ++i)
        if (shown_[i] == size_t(row)) AllServicesList->setRowCount(int(shown_.size()), int(i));
    showDetails();
    return true;
}

void AllServicesPage::ensureLinks() {
    if (links_.size() != rows_.size()) links_ = readServiceLinks(rows_);
}

// The details box, the start type offered and the buttons that fit the chosen service's state.
void AllServicesPage::showDetails() {
    const int row = chosenRow();
    AllServicesStart->setEnabled(row >= 0 && rows_[size_t(row)].state == kStopped);
    AllServicesStop->setEnabled(row >= 0 && rows_[size_t(row)].state != kStopped && rows_[size_t(row)].state != 0);
    if (row < 0) {
        AllServicesInfo->setText(phrase("AllServicesChoose"));
        StartTypeCombo->setItemIndex(-1);
        return;
    }
    ensureLinks();
    const size_t r = size_t(row);
    AllServicesInfo->setText(serviceInfoText(links_[r], dependsOnNames(r, rows_, links_),
                                             dependedOnByNames(r, rows_, links_), phrases_));
    const StartChoice now = currentStartChoice(rows_[r], delayedKnown_);
    int index = -1;
    for (size_t i = 0; i < choices_.size(); ++i)
        if (rows_[r].hasStart && choices_[i] == now) index = int(i);
    StartTypeCombo->setItemIndex(index);
}

void AllServicesPage::fillStartChoices() {
    const int index = StartTypeCombo->itemIndex();
    choices_ = offeredStartChoices(delayedKnown_);
    StartTypeCombo->clear();
    for (const StartChoice& c : choices_) StartTypeCombo->add(startChoiceText(c, phrases_));
    StartTypeCombo->setItemIndex(index < int(choices_.size()) ? index : -1);
}

void AllServicesPage::refreshTexts() {
    phrases_ = allServicesPhrases(host_.currentLanguageFile());
    AllServicesList->setColumnCaptions(allServicesColumns(phrases_));
    fillStartChoices();
    if (!filled_) return;
    AllServicesList->setRowCount(int(shown_.size()), AllServicesList->selectedRow());
    showDetails();
}

}  // namespace qlmr
