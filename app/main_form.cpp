#include "app/main_form.h"

#include "base/identity.h"
#include "registry/import_watch.h"
#include "services/all_services_page.h"

namespace qlmr {

using tk::anchor;
using tk::Rect;

// The pages' design size: the page control's 1000 x 635 less its frame and tab row.
constexpr int kSheetWidth = 992, kSheetHeight = 605;
// The right-hand column of the services page, and the list's width beside it (the extra-functions
// panel, when shown, takes 208 of it).
constexpr int kColumnX = kSheetWidth - 328;
constexpr int kListWidth = kColumnX - 16, kListWidthBesidePanel = kListWidth - 208;

MainForm::MainForm() : tk::Form("TMainForm", "MainForm", {0, 0, 1000, 700}, tk::kStyleOverlappedWindow) {
    TopImage = anchor(make<tk::Image>("TopImage", this, Rect{0, 0, 1000, 65}), tk::kAnchorTopWide);
    MainPageControl = anchor(make<tk::PageControl>("MainPageControl", this, Rect{0, 65, 1000, 635}), tk::kAnchorAll);
    SheetService = make<tk::TabSheet>("SheetService", MainPageControl, "Службы XP");
    SheetConfig = make<tk::TabSheet>("SheetConfig", MainPageControl, "Конфигурации");
    SheetBackup = make<tk::TabSheet>("SheetBackup", MainPageControl, "Резервные копии");
    SheetLog = make<tk::TabSheet>("SheetLog", MainPageControl, "Лог работы программы");
    SheetInvisible = make<tk::TabSheet>("SheetInvisible", MainPageControl, "SheetInvisible");
    SheetCurrent = make<tk::TabSheet>("SheetCurrent", MainPageControl, "SheetCurrent");
    MainPageControl->addSheet(SheetService, true);
    MainPageControl->addSheet(SheetConfig, true);
    MainPageControl->addSheet(SheetBackup, true);
    MainPageControl->addSheet(SheetLog, true);
    MainPageControl->addSheet(SheetInvisible, false);
    MainPageControl->addSheet(SheetCurrent, true);

    buildServicePage();
    buildTweackPanel();
    buildConfigPage();
    buildPreviewControls();
    buildBackupPage();
    buildLogPage();
    buildHiddenPage();
    buildProcessPage();
    buildTray();
    buildAllServicesPage();
    wireLogEvents();
    wireServiceEvents();
    wireConfigEvents();
    wireBackupEvents();
    wireLanguageEvents();
    wireProcessEvents();
    wireTrayEvents();
    loadBuiltinCatalogue(state);
    setMinimumClientSize({780, 572});
    importWatch = std::make_unique<ImportWatch>([this](const std::vector<std::string>& lines) { reportImportCheck(lines); });
    onKeyDown = [this](int key) { FormKeyDown(key); };
    onShow = [this] { FormShow(); };
    setCaption(kWindowTitle);
}

MainForm::~MainForm() = default;

void MainForm::buildServicePage() {
    tk::TabSheet* p = SheetService;
    ServiceNameCBUni =
        anchor(make<tk::UniComboBox>("ServiceNameCBUni", p, "Find/Найти", Rect{8, 6, kListWidth, 24}, true),
               tk::kAnchorTopWide);
    ServiceNameCBUni->autoComplete = true;
    ServiceNames = anchor(make<tk::UniCheckListBox>("ServiceNames", p, Rect{8, 34, kListWidth, kSheetHeight - 42}),
                          tk::kAnchorAll);
    ServiceNames->setColor(0xC0DCC0);   // light green: red 192, green 220, blue 192

    ServCheckState =
        anchor(make<tk::Button>("ServCheckState", p, "Проверить текущее состояние", Rect{kColumnX, 6, 320, 28}),
               tk::kAnchorTopRight);
    ServCheckUncheck = anchor(make<tk::CheckBox>("ServCheckUncheck", p, "Отметить все", Rect{kColumnX, 40, 320, 20}),
                              tk::kAnchorTopRight);
    StatAllLabel =
        anchor(make<tk::Label>("StatAllLabel", p, "Всего :", Rect{kColumnX, 64, 320, 18}), tk::kAnchorTopRight);
    ActiveStatLabel =
        anchor(make<tk::Label>("ActiveStatLabel", p, "Активных :", Rect{kColumnX, 84, 320, 18}), tk::kAnchorTopRight);
    StopedStatLabel = anchor(make<tk::Label>("StopedStatLabel", p, "Не активных :", Rect{kColumnX, 104, 320, 18}),
                             tk::kAnchorTopRight);
    ServStart =
        anchor(make<tk::Button>("ServStart", p, "Запустить Службу", Rect{kColumnX, 130, 155, 32}), tk::kAnchorTopRight);
    ServStop = anchor(make<tk::Button>("ServStop", p, "Остановить Службу", Rect{kColumnX + 165, 130, 155, 32}),
                      tk::kAnchorTopRight);
    ServHelp = anchor(make<tk::Button>("ServHelp", p, "Информация по службе", Rect{kColumnX, 168, 155, 32}),
                      tk::kAnchorTopRight);
    TweackStart =
        anchor(make<tk::Button>("TweackStart", p, "Дополнительные функции", Rect{kColumnX + 165, 168, 155, 32}),
               tk::kAnchorTopRight);

    ServInfoPanel = anchor(make<tk::Panel>("ServInfoPanel", p, Rect{kColumnX, 208, 320, 264}), tk::kAnchorTopRight);
    tk::Panel* q = ServInfoPanel;
    auto pair = [&](tk::Label*& caption, const char* cname, const char* ctext, tk::Label*& value, const char* vname,
                    const char* vtext, int y, int valueHeight) {
        caption = make<tk::Label>(cname, q, ctext, Rect{4, y, 312, 18});
        value = make<tk::Label>(vname, q, vtext, Rect{4, y + 18, 312, valueHeight});
        value->setBold(true);
    };
    pair(InfoNameLb, "InfoNameLb", "Системное название службы ", InfoName, "InfoName", "Имя", 4, 20);
    pair(InfoTMLb, "InfoTMLb", "Название службы в Task Manager", InfoTMCaption, "InfoTMCaption", "Имя", 46, 20);
    pair(InfoStatusLb, "InfoStatusLb", "Текущее состояние", InfoStatus, "InfoStatus", "Состояние", 88, 20);
    pair(InfoAutostartLb, "InfoAutostartLb", "Параметр автозапуска", InfoAutostartText, "InfoAutostartText",
         "Автостарт", 130, 20);
    pair(ServicePathLb, "ServicePathLb", "Находиться в", ServicePath, "ServicePath", "Путь", 172, 70);

    MainPopupMenu = make<tk::PopupMenu>("MainPopupMenu");
    StartM = make<tk::MenuItem>("StartM", "Запустить службу");
    StopM = make<tk::MenuItem>("StopM", "Остановить службу");
    HelpM = make<tk::MenuItem>("HelpM", "Помошь по службе");
    MainPopupMenu->add(StartM);
    MainPopupMenu->add(StopM);
    MainPopupMenu->add(HelpM);
}

void MainForm::buildTweackPanel() {
    TweackPanel = anchor(make<tk::Panel>("TweackPanel", SheetService, Rect{kListWidthBesidePanel + 12, 6, 200, 360}),
                         tk::kAnchorTopRight);
    tk::Panel* p = TweackPanel;
    SortTwBox = make<tk::GroupBox>("SortTwBox", p, "Сортировать", Rect{0, 0, 200, 122});
    SortTwA = make<tk::Button>("SortTwA", p, "Активные", Rect{10, 20, 180, 26});
    SortTwNA = make<tk::Button>("SortTwNA", p, "Неактивные", Rect{10, 52, 180, 26});
    SortTwD = make<tk::Button>("SortTwD", p, "Все", Rect{10, 84, 180, 26});
    ServiceapletstartButton =
        make<tk::Button>("ServiceapletstartButton", p, "Вызвать оснастку управления службами", Rect{0, 130, 200, 40});
    ServiceapletstartButton->setHint("Открыть панель управления службами встроенную в ОС");
    RegistryJumpButton =
        make<tk::Button>("RegistryJumpButton", p, "Перейти к ветке службы в реестре", Rect{0, 176, 200, 40});
    OptLangBox = make<tk::GroupBox>("OptLangBox", p, "Язык интерфейса", Rect{0, 222, 200, 56});
    OpLangRNComboBox = make<tk::ComboBox>("OpLangRNComboBox", p, "", Rect{10, 244, 180, 24}, false);
    OptCColorButton = make<tk::Button>("OptCColorButton", p, "Цвет списков", Rect{0, 286, 200, 28});
    OpCFontButton = make<tk::Button>("OpCFontButton", p, "Шрифт списков", Rect{0, 320, 200, 28});
    TweackPanel->setVisible(false);
}

void MainForm::buildConfigPage() {
    tk::TabSheet* p = SheetConfig;
    ConfigBox = make<tk::GroupBox>("ConfigBox", p, "Конфигурации", Rect{8, 8, 300, 236});
    Tweackedcf = make<tk::RadioButton>("Tweackedcf", p, "Самая урезанная", Rect{20, 30, 270, 22}, true);
    Internetcf = make<tk::RadioButton>("Internetcf", p, "Интернет", Rect{20, 56, 270, 22});
    Gamingcf = make<tk::RadioButton>("Gamingcf", p, "Игровая", Rect{20, 82, 270, 22});
    Commoncf = make<tk::RadioButton>("Commoncf", p, "Для всех", Rect{20, 108, 270, 22});
    DescrFullLabel = make<tk::Label>("DescrFullLabel", p, "Подробнее...", Rect{20, 138, 120, 18});
    DescrFullLabel->setLink(true);
    DescrFullLabel->setBold(true);
    ConfigApplyv = make<tk::Button>("ConfigApplyv", p, "Применить конфигурацию", Rect{20, 164, 270, 28});
    ConfigApplyv->setHint("Применить выбранную конфигурацию");
    ConfigApplyUndo = make<tk::Button>("ConfigApplyUndo", p, "Отменить изменения", Rect{20, 200, 270, 28});
    ConfigApplyUndo->setEnabled(false);
    DescriptionBox =
        anchor(make<tk::GroupBox>("DescriptionBox", p, "Описание конфигураций", Rect{316, 8, kSheetWidth - 324, 236}),
               tk::kAnchorTopWide);
    DescriptionMemo = anchor(make<tk::Memo>("DescriptionMemo", p, "Выберите одну из доступных конфигураций",
                                            Rect{326, 28, kSheetWidth - 344, 206}, true),
                             tk::kAnchorTopWide);
    DescriptionSwapBox = make<tk::GroupBox>("DescriptionSwapBox", p, "Описание сервисов", Rect{8, 252, 300, 100});
    ChangeDescriptionButton =
        make<tk::Button>("ChangeDescriptionButton", p, "Сменить описание сервисов", Rect{20, 274, 270, 28});
    ChangeDescriptionBackButton =
        make<tk::Button>("ChangeDescriptionBackButton", p, "Вернуть описание сервисов", Rect{20, 310, 270, 28});
    ChangeDescriptionBackButton->setEnabled(false);
}

// Below the description of the configurations; the list stretches with the page.
void MainForm::buildPreviewControls() {
    tk::TabSheet* p = SheetConfig;
    ConfigUndoPreview = make<tk::Button>("ConfigUndoPreview", p, "Что вернёт отмена", Rect{8, 360, 300, 28});
    ConfigUndoPreview->setHint("Показать, что вернёт отмена: первоначальное состояние служб против нынешнего");
    PreviewSummaryLabel = anchor(make<tk::Label>("PreviewSummaryLabel", p,
                                                 "Выберите конфигурацию, чтобы увидеть, что она изменит",
                                                 Rect{316, 254, kSheetWidth - 324, 18}),
                                 tk::kAnchorTopWide);
    PreviewList = anchor(make<tk::ReportList>("PreviewList", p, Rect{316, 276, kSheetWidth - 324, kSheetHeight - 284},
                                              std::vector<tk::ReportList::Column>{
                                                  {"Служба", 250}, {"Сейчас", 80}, {"После", 80}, {"Примечание", 262}}),
                         tk::kAnchorAll);
    PreviewList->setHint("Службы, у которых изменится тип запуска");
}

void MainForm::buildBackupPage() {
    tk::TabSheet* p = SheetBackup;
    // The list stretches; the column beside it keeps to the right edge.
    BackupBox =
        anchor(make<tk::ListBox>("BackupBox", p, Rect{8, 8, kSheetWidth - 340, kSheetHeight - 16}), tk::kAnchorAll);
    BackupBox->setHint("Доступные резевные копии");
    const int x = kSheetWidth - 324;
    BackupGroup = anchor(make<tk::GroupBox>("BackupGroup", p, "Резервное копирование", Rect{x, 8, 316, 172}),
                         tk::kAnchorTopRight);
    BackupSearch = anchor(make<tk::Button>("BackupSearch", p, "Доступные резервные копии", Rect{x + 10, 28, 296, 28}),
                          tk::kAnchorTopRight);
    BackupSearch->setHint("Найти резервные копии");
    BackupAdd =
        anchor(make<tk::Button>("BackupAdd", p, "Добавить в реестр", Rect{x + 10, 62, 296, 28}), tk::kAnchorTopRight);
    BackupAdd->setHint("Добавить в реестр выбранный резервный файл");
    BackupAddNew =
        anchor(make<tk::Button>("BackupAddNew", p, "Создать новую резервную копию", Rect{x + 10, 96, 296, 28}),
               tk::kAnchorTopRight);
    BackupAddNew->setHint("Создание новой резервной копии");
    BackupDelete = anchor(make<tk::Button>("BackupDelete", p, "Удалить резервную копию", Rect{x + 10, 130, 296, 28}),
                          tk::kAnchorTopRight);
    BackupDelete->setHint("Удаляем ненужную резервную копию");
    DeleteGroup =
        anchor(make<tk::GroupBox>("DeleteGroup", p, "Параметры удаления", Rect{x, 188, 316, 56}), tk::kAnchorTopRight);
    RWipe =
        anchor(make<tk::RadioButton>("RWipe", p, "Затереть", Rect{x + 10, 210, 140, 22}, true), tk::kAnchorTopRight);
    RRecycle =
        anchor(make<tk::RadioButton>("RRecycle", p, "В корзину", Rect{x + 160, 210, 140, 22}), tk::kAnchorTopRight);
    RWipe->setChecked(true);
    BackupNameLb = anchor(make<tk::Label>("BackupNameLb", p, "Имя файла", Rect{x, 254, 316, 18}), tk::kAnchorTopRight);
    BackupNameTextLb =
        anchor(make<tk::Label>("BackupNameTextLb", p, "Имя", Rect{x, 272, 316, 34}), tk::kAnchorTopRight);
    BackupPathlb = anchor(make<tk::Label>("BackupPathlb", p, "Путь к резервному файлу", Rect{x, 310, 316, 18}),
                          tk::kAnchorTopRight);
    BackupPathTextlb =
        anchor(make<tk::Label>("BackupPathTextlb", p, "Путь", Rect{x, 328, 316, 70}), tk::kAnchorTopRight);
    BackupNameTextLb->setBold(true);
    BackupPathTextlb->setBold(true);

    BackupPopupMenu = make<tk::PopupMenu>("BackupPopupMenu");
    N4 = make<tk::MenuItem>("N4", "Доступные резервные копии");
    N5 = make<tk::MenuItem>("N5", "Добавить в реестр");
    N6 = make<tk::MenuItem>("N6", "Создать новую резервную копию");
    N7 = make<tk::MenuItem>("N7", "Удалить резервную копию");
    for (tk::MenuItem* m : {N4, N5, N6, N7}) BackupPopupMenu->add(m);
}

void MainForm::buildLogPage() {
    tk::TabSheet* p = SheetLog;
    LogBox =
        anchor(make<tk::VirtualListBox>("LogBox", p, Rect{8, 8, kSheetWidth - 16, kSheetHeight - 150}), tk::kAnchorAll);
    LogBox->setHint("Лог действий выполненных программой");
    LogBox->setShowHint(false);
    LogClear = anchor(make<tk::Button>("LogClear", p, "Очиститть лог", Rect{8, kSheetHeight - 136, 150, 28}),
                      tk::kAnchorBottomLeft);
    LogClear->setHint("Очистить окно лога");
    LogSave = anchor(make<tk::Button>("LogSave", p, "Сохранить лог", Rect{166, kSheetHeight - 136, 150, 28}),
                     tk::kAnchorBottomLeft);
    LogSave->setHint("Сохранить лог в файл");
    LogPrint = anchor(make<tk::Button>("LogPrint", p, "Распечатать лог", Rect{324, kSheetHeight - 136, 150, 28}),
                      tk::kAnchorBottomLeft);
    LogPrint->setHint("Распечатать лог");
    WideTextMemo =
        anchor(make<tk::Memo>("WideTextMemo", p, "", Rect{8, kSheetHeight - 100, kSheetWidth - 16, 92}, true),
               tk::kAnchorBottomWide);
    LogPopupMenu = make<tk::PopupMenu>("LogPopupMenu");
    N1 = make<tk::MenuItem>("N1", "Очистить лог");
    N2 = make<tk::MenuItem>("N2", "Сохранить лог");
    N3 = make<tk::MenuItem>("N3", "Распечать лог");
    for (tk::MenuItem* m : {N1, N2, N3}) LogPopupMenu->add(m);
}

void MainForm::buildHiddenPage() {
    tk::TabSheet* p = SheetInvisible;
    RegReadButton = make<tk::Button>("RegReadButton", p, "RegReadButton", Rect{8, 8, 160, 26});
    RegReadButtonInitial = make<tk::Button>("RegReadButtonInitial", p, "RegReadButtonInitial", Rect{8, 40, 160, 26});
    ReadDescription = make<tk::Button>("ReadDescription", p, "ReadDescription", Rect{8, 72, 160, 26});
    BuildListOfComps = make<tk::Button>("BuildListOfComps", p, "BuildListOfComps", Rect{8, 104, 160, 26});
    TestmseButton = make<tk::Button>("TestmseButton", p, "TestMes", Rect{8, 136, 160, 26});
    ShowLangf = make<tk::Button>("ShowLangf", p, "ShowLangf", Rect{8, 168, 160, 26});
}

void MainForm::buildProcessPage() {
    tk::TabSheet* p = SheetCurrent;
    CurrentProcsTntlbx =
        anchor(make<tk::UniListBox>("CurrentProcsTntlbx", p, Rect{0, 0, kSheetWidth - 223, kSheetHeight - 22}),
               tk::kAnchorAll);
    SearchOnlineTntpnl =
        anchor(make<tk::UniPanel>("SearchOnlineTntpnl", p, Rect{kSheetWidth - 223, 0, 223, kSheetHeight - 22}),
               tk::kAnchorRightTall);
    tk::UniPanel* q = SearchOnlineTntpnl;
    EnumProcTntbtn = make<tk::UniButton>("EnumProcTntbtn", q, "Показать запущенные процессы", Rect{8, 8, 207, 40});
    OnlineServerTntcmb =
        make<tk::UniComboBox>("OnlineServerTntcmb", q, "Choose Server/ Выберите сервер", Rect{8, 56, 207, 24}, true);
    OnlineSearchTntbtn = make<tk::UniButton>("OnlineSearchTntbtn", q, "Поиск Онлайн", Rect{8, 88, 207, 30});
    OpenDitTntbtn = make<tk::UniButton>("OpenDitTntbtn", q, "Перейти к исполняемому файлу", Rect{8, 126, 207, 40});
    OnlineServerStringTntcmb = make<tk::UniComboBox>("OnlineServerStringTntcmb", q, "Choose Server/ Выберите сервер",
                                                     Rect{8, 180, 207, 24}, true);
    OnlineServerStringTntcmb->setVisible(false);
    NameTntLabel = make<tk::UniLabel>("NameTntLabel", q, "NameTntLabel", Rect{8, 212, 207, 18});
    NameTntLabel->setVisible(false);
    CurrentStatusBar =
        anchor(make<tk::StatusBar>("CurrentStatusBar", p, std::vector<int>{100, 50}), tk::kAnchorBottomWide);
    CurrentStatusBar->setDesignBounds({0, kSheetHeight - 22, kSheetWidth, 22});
}

void MainForm::buildTray() {
    RXPopupMenu = make<tk::PopupMenu>("RXPopupMenu");
    N8 = make<tk::MenuItem>("N8", "Открыть приложение");
    N10 = make<tk::MenuItem>("N10", "Перейти к");
    N11 = make<tk::MenuItem>("N11", "Службам");
    N12 = make<tk::MenuItem>("N12", "Логу работы");
    N13 = make<tk::MenuItem>("N13", "Конфигурациям");
    N14 = make<tk::MenuItem>("N14", "Резервным копиям");
    N15 = make<tk::MenuItem>("N15", "О программе");
    N9 = make<tk::MenuItem>("N9", "Закрыть");
    for (tk::MenuItem* m : {N11, N12, N13, N14}) N10->add(m);
    for (tk::MenuItem* m : {N8, N10, N15, N9}) RXPopupMenu->add(m);
    RxTrayIconMain = make<tk::TrayIcon>("RxTrayIconMain", kApplicationTitle, RXPopupMenu);
}

// The extra-functions panel, when shown, stands in the right part of the list's place.
void MainForm::fitServiceList() {
    const int width = TweackPanel->visible() ? kListWidthBesidePanel : kListWidth;
    ServiceNameCBUni->setDesignBounds({8, 6, width, 24});
    ServiceNames->setDesignBounds({8, 34, width, kSheetHeight - 42});
    placeControls();
}

}   // namespace qlmr
