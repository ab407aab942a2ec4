#include "app/main_form.h"

#include "app/identity.h"
#include "registry/import_watch.h"

namespace qlmr {

using tk::Rect;

MainForm::MainForm()
    : tk::Form("TMainForm", "MainForm", {0, 0, 1000, 700}, 0x00CF0000 /* WS_OVERLAPPEDWINDOW */) {
    TopImage = make<tk::Image>("TopImage", this, Rect{0, 0, 1000, 65});
    MainPageControl = make<tk::PageControl>("MainPageControl", this, Rect{0, 65, 1000, 635});
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
    wireLogEvents();
    wireServiceEvents();
    wireConfigEvents();
    wireBackupEvents();
    wireLanguageEvents();
    wireProcessEvents();
    wireTrayEvents();
    loadBuiltinCatalogue(state);
    importWatch = std::make_unique<ImportWatch>([this](const std::vector<std::string>& lines) { reportImportCheck(lines); });
    onResize = [this] { layout(); };
    onKeyDown = [this](int key) { FormKeyDown(key); };
    onShow = [this] { FormShow(); };
    setCaption(kWindowTitle);
}

MainForm::~MainForm() = default;

void MainForm::buildServicePage() {
    tk::TabSheet* p = SheetService;
    ServiceNameCBUni = make<tk::UniComboBox>("ServiceNameCBUni", p, "Find/Найти", Rect{8, 6, 420, 24}, true);
    ServiceNameCBUni->autoComplete = true;
    ServiceNames = make<tk::UniCheckListBox>("ServiceNames", p, Rect{8, 34, 420, 500});
    ServiceNames->setColor(0xC0DCC0);   // light green: red 192, green 220, blue 192

    ServCheckState = make<tk::Button>("ServCheckState", p, "Проверить текущее состояние", Rect{0, 6, 320, 28});
    ServCheckUncheck = make<tk::CheckBox>("ServCheckUncheck", p, "Отметить все", Rect{0, 40, 320, 20});
    StatAllLabel = make<tk::Label>("StatAllLabel", p, "Всего :", Rect{0, 64, 320, 18});
    ActiveStatLabel = make<tk::Label>("ActiveStatLabel", p, "Активных :", Rect{0, 84, 320, 18});
    StopedStatLabel = make<tk::Label>("StopedStatLabel", p, "Не активных :", Rect{0, 104, 320, 18});
    ServStart = make<tk::Button>("ServStart", p, "Запустить Службу", Rect{0, 130, 155, 28});
    ServStop = make<tk::Button>("ServStop", p, "Остановить Службу", Rect{165, 130, 155, 28});
    ServHelp = make<tk::Button>("ServHelp", p, "Информация по службе", Rect{0, 164, 155, 28});
    TweackStart = make<tk::Button>("TweackStart", p, "Дополнительные функции", Rect{165, 164, 155, 28});

    ServInfoPanel = make<tk::Panel>("ServInfoPanel", p, Rect{0, 204, 320, 250});
    tk::Panel* q = ServInfoPanel;
    auto pair = [&](tk::Label*& caption, const char* cname, const char* ctext, tk::Label*& value,
                    const char* vname, const char* vtext, int y, int valueHeight) {
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
    TweackPanel = make<tk::Panel>("TweackPanel", SheetService, Rect{436, 6, 200, 360});
    tk::Panel* p = TweackPanel;
    SortTwBox = make<tk::GroupBox>("SortTwBox", p, "Сортировать", Rect{0, 0, 200, 122});
    SortTwA = make<tk::Button>("SortTwA", p, "Активные", Rect{10, 20, 180, 26});
    SortTwNA = make<tk::Button>("SortTwNA", p, "Неактивные", Rect{10, 52, 180, 26});
    SortTwD = make<tk::Button>("SortTwD", p, "Все", Rect{10, 84, 180, 26});
    ServiceapletstartButton = make<tk::Button>("ServiceapletstartButton", p, "Вызвать оснастку управления службами",
                                               Rect{0, 130, 200, 40});
    ServiceapletstartButton->setHint("Открыть панель управления службами встроенную в ОС");
    RegistryJumpButton = make<tk::Button>("RegistryJumpButton", p, "Перейти к ветке службы в реестре",
                                          Rect{0, 176, 200, 40});
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
    DescriptionBox = make<tk::GroupBox>("DescriptionBox", p, "Описание конфигураций", Rect{316, 8, 600, 236});
    DescriptionMemo = make<tk::Memo>("DescriptionMemo", p, "Выберите одну из доступных конфигураций",
                                     Rect{326, 28, 580, 206}, true);
    DescriptionSwapBox = make<tk::GroupBox>("DescriptionSwapBox", p, "Описание сервисов", Rect{8, 252, 300, 100});
    ChangeDescriptionButton = make<tk::Button>("ChangeDescriptionButton", p, "Сменить описание сервисов",
                                               Rect{20, 274, 270, 28});
    ChangeDescriptionBackButton = make<tk::Button>("ChangeDescriptionBackButton", p, "Вернуть описание сервисов",
                                                   Rect{20, 310, 270, 28});
    ChangeDescriptionBackButton->setEnabled(false);
}

// Below the description of the configurations; the list stretches with the page.
void MainForm::buildPreviewControls() {
    tk::TabSheet* p = SheetConfig;
    ConfigUndoPreview = make<tk::Button>("ConfigUndoPreview", p, "Что вернёт отмена", Rect{8, 360, 300, 28});
    ConfigUndoPreview->setHint("Показать, что вернёт отмена: первоначальное состояние служб против нынешнего");
    PreviewSummaryLabel = make<tk::Label>("PreviewSummaryLabel", p, "Выберите конфигурацию, чтобы увидеть, что она изменит",
                                          Rect{316, 254, 600, 18});
    PreviewList = make<tk::ReportList>("PreviewList", p, Rect{316, 276, 600, 300},
                                       std::vector<tk::ReportList::Column>{
                                           {"Служба", 250}, {"Сейчас", 80}, {"После", 80}, {"Примечание", 262}});
    PreviewList->setHint("Службы, у которых изменится тип запуска");
}

void MainForm::buildBackupPage() {
    tk::TabSheet* p = SheetBackup;
    BackupBox = make<tk::ListBox>("BackupBox", p, Rect{8, 8, 600, 500});
    BackupBox->setHint("Доступные резевные копии");
    const int x = 616;
    BackupGroup = make<tk::GroupBox>("BackupGroup", p, "Резервное копирование", Rect{x, 8, 316, 172});
    BackupSearch = make<tk::Button>("BackupSearch", p, "Доступные резервные копии", Rect{x + 10, 28, 296, 28});
    BackupSearch->setHint("Найти резервные копии");
    BackupAdd = make<tk::Button>("BackupAdd", p, "Добавить в реестр", Rect{x + 10, 62, 296, 28});
    BackupAdd->setHint("Добавить в реестр выбранный резервный файл");
    BackupAddNew = make<tk::Button>("BackupAddNew", p, "Создать новую резервную копию", Rect{x + 10, 96, 296, 28});
    BackupAddNew->setHint("Создание новой резервной копии");
    BackupDelete = make<tk::Button>("BackupDelete", p, "Удалить резервную копию", Rect{x + 10, 130, 296, 28});
    BackupDelete->setHint("Удаляем ненужную резервную копию");
    DeleteGroup = make<tk::GroupBox>("DeleteGroup", p, "Параметры удаления", Rect{x, 188, 316, 56});
    RWipe = make<tk::RadioButton>("RWipe", p, "Затереть", Rect{x + 10, 210, 140, 22}, true);
    RRecycle = make<tk::RadioButton>("RRecycle", p, "В корзину", Rect{x + 160, 210, 140, 22});
    RWipe->setChecked(true);
    BackupNameLb = make<tk::Label>("BackupNameLb", p, "Имя файла", Rect{x, 254, 316, 18});
    BackupNameTextLb = make<tk::Label>("BackupNameTextLb", p, "Имя", Rect{x, 272, 316, 34});
    BackupPathlb = make<tk::Label>("BackupPathlb", p, "Путь к резервному файлу", Rect{x, 310, 316, 18});
    BackupPathTextlb = make<tk::Label>("BackupPathTextlb", p, "Путь", Rect{x, 328, 316, 70});
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
    LogBox = make<tk::VirtualListBox>("LogBox", p, Rect{8, 8, 900, 400});
    LogBox->setHint("Лог действий выполненных программой");
    LogClear = make<tk::Button>("LogClear", p, "Очиститть лог", Rect{8, 416, 150, 28});
    LogClear->setHint("Очистить окно лога");
    LogSave = make<tk::Button>("LogSave", p, "Сохранить лог", Rect{166, 416, 150, 28});
    LogSave->setHint("Сохранить лог в файл");
    LogPrint = make<tk::Button>("LogPrint", p, "Распечатать лог", Rect{324, 416, 150, 28});
    LogPrint->setHint("Распечатать лог");
    WideTextMemo = make<tk::Memo>("WideTextMemo", p, "", Rect{8, 452, 900, 90}, true);
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
    CurrentProcsTntlbx = make<tk::UniListBox>("CurrentProcsTntlbx", p, Rect{0, 0, 700, 500});
    SearchOnlineTntpnl = make<tk::UniPanel>("SearchOnlineTntpnl", p, Rect{700, 0, 223, 500});
    tk::UniPanel* q = SearchOnlineTntpnl;
    EnumProcTntbtn = make<tk::UniButton>("EnumProcTntbtn", q, "Показать запущенные процессы", Rect{8, 8, 207, 40});
    OnlineServerTntcmb = make<tk::UniComboBox>("OnlineServerTntcmb", q, "Choose Server/ Выберите сервер",
                                               Rect{8, 56, 207, 24}, true);
    OnlineSearchTntbtn = make<tk::UniButton>("OnlineSearchTntbtn", q, "Поиск Онлайн", Rect{8, 88, 207, 30});
    OpenDitTntbtn = make<tk::UniButton>("OpenDitTntbtn", q, "Перейти к исполняемому файлу", Rect{8, 126, 207, 40});
    OnlineServerStringTntcmb = make<tk::UniComboBox>("OnlineServerStringTntcmb", q, "Choose Server/ Выберите сервер",
                                                     Rect{8, 180, 207, 24}, true);
    OnlineServerStringTntcmb->setVisible(false);
    NameTntLabel = make<tk::UniLabel>("NameTntLabel", q, "NameTntLabel", Rect{8, 212, 207, 18});
    NameTntLabel->setVisible(false);
    CurrentStatusBar = make<tk::StatusBar>("CurrentStatusBar", p, std::vector<int>{100, 50});
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

// Stretches the lists with the window; the columns keep their widths.
void MainForm::layout() {
    Rect area = clientRect();
    if (area.w <= 0 || area.h <= 65) return;
    TopImage->setBounds({0, 0, area.w, 65});
    MainPageControl->setBounds({0, 65, area.w, area.h - 65});
    MainPageControl->layout();
    Rect sheet = SheetService->bounds();
    int w = sheet.w, h = sheet.h;
    int right = w - 328;
    int listRight = TweackPanel->visible() ? right - 208 : right - 8;
    ServiceNameCBUni->setBounds({8, 6, listRight - 8, 24});
    ServiceNames->setBounds({8, 34, listRight - 8, h - 42});
    TweackPanel->setBounds({listRight + 4, 6, 200, 360});
    auto moveX = [](tk::Control* ctl, int x) {
        Rect b = ctl->bounds();
        ctl->setBounds({x, b.y, b.w, b.h});
    };
    for (tk::Control* ctl : {static_cast<tk::Control*>(ServCheckState), static_cast<tk::Control*>(ServCheckUncheck),
                             static_cast<tk::Control*>(StatAllLabel), static_cast<tk::Control*>(ActiveStatLabel),
                             static_cast<tk::Control*>(StopedStatLabel), static_cast<tk::Control*>(ServStart),
                             static_cast<tk::Control*>(ServHelp), static_cast<tk::Control*>(ServInfoPanel)})
        moveX(ctl, right);
    moveX(ServStop, right + 165);
    moveX(TweackStart, right + 165);
    LogBox->setBounds({8, 8, w - 16, h - 150});
    for (tk::Button* b : {LogClear, LogSave, LogPrint}) {
        Rect r = b->bounds();
        b->setBounds({r.x, h - 136, r.w, r.h});
    }
    WideTextMemo->setBounds({8, h - 100, w - 16, 92});
    BackupBox->setBounds({8, 8, w - 340, h - 16});
    PreviewSummaryLabel->setBounds({316, 254, w - 324, 18});
    PreviewList->setBounds({316, 276, w - 324, h - 284});
    CurrentProcsTntlbx->setBounds({0, 0, w - 223, h - 22});
    SearchOnlineTntpnl->setBounds({w - 223, 0, 223, h - 22});
    CurrentStatusBar->setBounds({0, h - 22, w, 22});
    redrawAll();
}

}  // namespace qlmr
