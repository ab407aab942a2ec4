#pragma once
// The tray icon and its menu: open the window, go to a page, the about window, close.
#include "toolkit/form.h"
#include "toolkit/menu.h"
#include "toolkit/pages.h"
#include "toolkit/tray.h"

namespace qlmr {

class AboutForm;

// The pages the menu's "Перейти к" leads to.
struct TrayTargets {
    tk::PageControl* pages;
    tk::TabSheet *services, *log, *configs, *backups;
};

class Tray {
public:
    // The about window is made after the main one; its pointer is read on each use.
    Tray(tk::Form& window, TrayTargets targets, AboutForm* const& aboutForm);

    tk::PopupMenu* RXPopupMenu;
    tk::MenuItem *N8, *N10, *N11, *N12, *N13, *N14, *N15, *N9;
    tk::TrayIcon* RxTrayIconMain;

    void N8Click();
    void N9Click();
    void N11Click();
    void N12Click();
    void N13Click();
    void N14Click();
    void N15Click();

private:
    tk::Form& window_;
    TrayTargets targets_;
    AboutForm* const& aboutForm_;
    void showPage(tk::TabSheet* sheet);
};

}  // namespace qlmr
