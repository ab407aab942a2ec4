#pragma once
// The main window: the banner, the page control with its pages, the log, the hidden state and
// the tray. It is the one part that knows every page; each page is a class of its own that
// reaches the window through PageHost (and the extra-functions panel through PanelCommands).
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/hidden_page.h"
#include "app/log_page.h"
#include "app/tray.h"
#include "base/hidden_state.h"
#include "base/page_host.h"
#include "config/config_page.h"
#include "procs/processes_page.h"
#include "registry/backups_page.h"
#include "registry/history_page.h"
#include "registry/import_watch.h"
#include "services/all_services_page.h"
#include "services/services_page.h"
#include "toolkit/form.h"
#include "toolkit/pages.h"
#include "toolkit/widgets.h"

namespace qlmr {

class LangForm;
class AboutForm;
class ImportWatch;
struct CaptionBarButtons;
struct PageFocus;
struct ColorDialog;
struct FontDialog;
struct Banner;

class MainForm : public tk::Form, public PageHost, public PanelCommands {
public:
    MainForm();
    ~MainForm() override;

    HiddenState state;

    tk::Image* TopImage;
    tk::PageControl* MainPageControl;
    tk::TabSheet *SheetService, *SheetConfig, *SheetBackup, *SheetLog, *SheetInvisible, *SheetCurrent;
    tk::TabSheet *SheetAllServices, *SheetHistory;

    // In the order they are made; the order of every component follows from it.
    std::unique_ptr<ServicesPage> services;
    std::unique_ptr<ConfigPage> config;
    std::unique_ptr<BackupsPage> backups;
    std::unique_ptr<LogPage> logPage;
    std::unique_ptr<HiddenPage> hidden;
    std::unique_ptr<ProcessesPage> processes;
    std::unique_ptr<AllServicesPage> allServices;
    std::unique_ptr<Journal> journal;   // every import's before-values and result
    std::unique_ptr<HistoryPage> history;
    std::unique_ptr<Tray> tray;

    LangForm* langForm = nullptr;
    AboutForm* aboutForm = nullptr;
    std::unique_ptr<ImportWatch> importWatch;   // the checks after the imports, in the order started

    // ---- start-up (startup.cpp)
    void FormCreate();
    void FormShow();

    // ---- what pages ask of the window
    void logLine(const std::string& text) override;
    std::string message(const std::string& key) const override;
    std::string settingsPath() const override;
    std::string currentLanguageFile() const override;
    void PauseWithMessages(unsigned long ms) override;   // pause.cpp
    void importVerified(const std::string& path, const std::string& shownName, ImportAction action,
                        const std::vector<std::string>& alsoChecked = {}, std::function<void()> checked = {}) override;
    void* window() const override { return handle(); }
    void reportImportCheck(const std::vector<std::string>& lines);
    void journalCheckResult(const ImportWatch::Check& check);

    // ---- what the extra-functions panel asks (list_appearance.cpp)
    void switchLanguage() override;
    void chooseListColor() override;
    void chooseListFont() override;

    // ---- title bar, tray, keys, banner (window_events.cpp)
    void mxCaptionBarButtonsButtons2Click();   // hide to tray
    void TaskbarCreated();      // the shell's notification area came back empty
    void SecondCopyStarted();   // a second copy asked this one to show its window
    void rollUpClick();
    void stayOnTopClick();
    void TopImageClick();
    void FormKeyDown(int key);
    void MainPageControlEnter();
    void AcceleratorKeyDown(int key);   // F5 and F1 (keyboard_access.cpp)

private:
    // A window message the main window handles itself; true when it is consumed.
    struct MessageRoute {
        unsigned message;
        std::function<bool(uintptr_t wp, intptr_t lp)> handle;
    };
    std::vector<MessageRoute> routes_;
    CaptionBarButtons* captionBar_ = nullptr;
    PageFocus* pageFocus_ = nullptr;   // made once the window is on screen
    ColorDialog* colorDialog_ = nullptr;
    FontDialog* fontDialog_ = nullptr;
    Banner* banner_ = nullptr;

    void makeSheets();
    void makePages();
    void makeWindowParts();        // window_events.cpp
    void wireKeyboardAccess();     // keyboard_access.cpp
    void wireWindowMessages();     // window_events.cpp
    bool routeMessage(unsigned msg, uintptr_t wp, intptr_t lp, intptr_t& result);
    bool isInPages(void* window) const;
    void focusMoved(void* gaining);
    void fitBanner(int width);
    void showTrayFailure() const;
};

}  // namespace qlmr
