#include "app/tray.h"

#include "about/about_form.h"
#include "base/identity.h"

namespace qlmr {

Tray::Tray(tk::Form& window, TrayTargets targets, AboutForm* const& aboutForm)
    : window_(window), targets_(targets), aboutForm_(aboutForm) {
    RXPopupMenu = window.make<tk::PopupMenu>("RXPopupMenu");
    N8 = window.make<tk::MenuItem>("N8", "Открыть приложение");
    N10 = window.make<tk::MenuItem>("N10", "Перейти к");
    N11 = window.make<tk::MenuItem>("N11", "Службам");
    N12 = window.make<tk::MenuItem>("N12", "Логу работы");
    N13 = window.make<tk::MenuItem>("N13", "Конфигурациям");
    N14 = window.make<tk::MenuItem>("N14", "Резервным копиям");
    N15 = window.make<tk::MenuItem>("N15", "О программе");
    N9 = window.make<tk::MenuItem>("N9", "Закрыть");
    for (tk::MenuItem* m : {N11, N12, N13, N14}) N10->add(m);
    for (tk::MenuItem* m : {N8, N10, N15, N9}) RXPopupMenu->add(m);
    RxTrayIconMain = window.make<tk::TrayIcon>("RxTrayIconMain", kApplicationTitle, RXPopupMenu);
    N8->onClick = [this] { N8Click(); };
    N9->onClick = [this] { N9Click(); };
    N11->onClick = [this] { N11Click(); };
    N12->onClick = [this] { N12Click(); };
    N13->onClick = [this] { N13Click(); };
    N14->onClick = [this] { N14Click(); };
    N15->onClick = [this] { N15Click(); };
}

void Tray::N8Click() {
    window_.show();
    RxTrayIconMain->setActive(false);
}

void Tray::N9Click() { window_.close(); }
void Tray::N11Click() { showPage(targets_.services); }
void Tray::N12Click() { showPage(targets_.log); }
void Tray::N13Click() { showPage(targets_.configs); }
void Tray::N14Click() { showPage(targets_.backups); }

void Tray::N15Click() {
    if (aboutForm_) aboutForm_->show();
}

void Tray::showPage(tk::TabSheet* sheet) {
    window_.show();
    targets_.pages->setActive(sheet);
}

}  // namespace qlmr
