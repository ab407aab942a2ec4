#include "app/main_form.h"

#include "about/about_form.h"
#include "base/identity.h"
#include "base/name_compare.h"
#include "services/builtin_catalogue.h"
#include "app/window_parts.h"
#include "base/log_prefix.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "registry/import_watch.h"
#include "registry/regedit.h"
#include "toolkit/window_styles.h"

namespace qlmr {

using tk::anchor;
using tk::Rect;

MainForm::MainForm() : tk::Form("TMainForm", "MainForm", {0, 0, 1000, 700}, tk::kStyleOverlappedWindow) {
    makeSheets();
    makePages();
    makeWindowParts();
    wireWindowMessages();
    loadBuiltinCatalogue(state);
    setMinimumClientSize({780, 572});
    importWatch = std::make_unique<ImportWatch>([this](const std::vector<std::string>& lines) { reportImportCheck(lines); });
    importWatch->onChecked = [this](const ImportWatch::Check& check) { journalCheckResult(check); };
    onKeyDown = [this](int key) { FormKeyDown(key); };
    onShow = [this] { FormShow(); };
    wireKeyboardAccess();
    setCaption(kWindowTitle);
}

MainForm::~MainForm() = default;

void MainForm::makeSheets() {
    TopImage = anchor(make<tk::Image>("TopImage", this, Rect{0, 0, 1000, 65}), tk::kAnchorTopWide);
    MainPageControl = anchor(make<tk::PageControl>("MainPageControl", this, Rect{0, 65, 1000, 635}), tk::kAnchorAll);
    SheetService = make<tk::TabSheet>("SheetService", MainPageControl, "Службы XP");
    SheetConfig = make<tk::TabSheet>("SheetConfig", MainPageControl, "Конфигурации");
    SheetBackup = make<tk::TabSheet>("SheetBackup", MainPageControl, "Резервные копии");
    SheetLog = make<tk::TabSheet>("SheetLog", MainPageControl, "Лог работы программы");
    SheetInvisible = make<tk::TabSheet>("SheetInvisible", MainPageControl, "SheetInvisible");
    SheetCurrent = make<tk::TabSheet>("SheetCurrent", MainPageControl, "SheetCurrent");
    SheetAllServices = make<tk::TabSheet>("SheetAllServices", MainPageControl, "Все службы");
    MainPageControl->addSheet(SheetService, true);
    MainPageControl->addSheet(SheetConfig, true);
    MainPageControl->addSheet(SheetBackup, true);
    MainPageControl->addSheet(SheetLog, true);
    MainPageControl->addSheet(SheetInvisible, false);
    MainPageControl->addSheet(SheetCurrent, true);
    MainPageControl->addSheet(SheetAllServices, true);
    SheetHistory = make<tk::TabSheet>("SheetHistory", MainPageControl, "История изменений");
    MainPageControl->addSheet(SheetHistory, true);
}

// A new page is one more line here, in the place its controls take in the window's order.
void MainForm::makePages() {
    services = std::make_unique<ServicesPage>(*this, SheetService, state, *this, *this);
    config = std::make_unique<ConfigPage>(*this, SheetConfig, state, *this);
    backups = std::make_unique<BackupsPage>(*this, SheetBackup, state, *this);
    logPage = std::make_unique<LogPage>(*this, SheetLog, *this);
    hidden = std::make_unique<HiddenPage>(*this, SheetInvisible, state, *this, langForm);
    processes = std::make_unique<ProcessesPage>(*this, SheetCurrent, *this);
    allServices = std::make_unique<AllServicesPage>(*this, SheetAllServices, state, *this);
    journal = std::make_unique<Journal>(programFolder() + kJournalFolder);
    history = std::make_unique<HistoryPage>(*this, SheetHistory, state, *this, *journal);
    tray = std::make_unique<Tray>(*this, TrayTargets{MainPageControl, SheetService, SheetLog, SheetConfig, SheetBackup},
                                  aboutForm);
}

void MainForm::logLine(const std::string& text) { logPage->logLine(text); }

void MainForm::importVerified(const std::string& path, const std::string& shownName, ImportAction action,
                              const std::vector<std::string>& alsoChecked, std::function<void()> checked) {
    importWatch->settle();   // an earlier check reads the registry before this editor changes it
    std::vector<std::string> services = state.ServiceSysName.items();
    for (const std::string& s : alsoChecked)
        if (!containsNoCase(services, s)) services.push_back(s);
    ImportWatch::Check check = ImportWatch::prepare(path, shownName, services);
    check.afterReport = std::move(checked);
    check.journalEntry = journal->record(formatStamp(localNow()), action, shownName, check.values);
    history->reload();
    importWatch->watch(std::move(check), importRegistryFile(handle(), path));
}

// The journal's entry of a checked import gets its result; the page shows it.
void MainForm::journalCheckResult(const ImportWatch::Check& check) {
    if (check.journalEntry <= 0) return;
    tk::runHandler([&] {
        journal->recordResult(check.journalEntry, journalResultOf(check.values, check.fileRead));
        history->reload();
    });
}

void MainForm::reportImportCheck(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) logLine(line);
    if (tray->RxTrayIconMain->active() && !lines.empty())
        tray->RxTrayIconMain->showBalloon(kApplicationTitle, lines.front());
}

void MainForm::TopImageClick() {
    if (aboutForm) aboutForm->show();
}

// The arrows bring the front page to the front again and then go on to the focused control.
void MainForm::FormKeyDown(int key) {
    constexpr int kLeftArrowKey = 0x25, kRightArrowKey = 0x27;
    if (key != kLeftArrowKey && key != kRightArrowKey) return;
    if (tk::TabSheet* front = MainPageControl->active()) MainPageControl->setActive(front);
}

void MainForm::MainPageControlEnter() { backups->BackupSearchClick(); }

}  // namespace qlmr
