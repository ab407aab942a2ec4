// Scaffold until the process page, about window, help and tray land; delete when replaced.
#include "about/about_form.h"
#include "about/help_system.h"
#include "app/main_form.h"

namespace qlmr {
void MainForm::wireProcessEvents() {}
void MainForm::wireTrayEvents() {}
void MainForm::FormKeyDown(int) {}
AboutForm::AboutForm() : tk::Form("TAboutForm", "AboutForm", {0, 0, 335, 477}, 0x00C80000) {}
void showHelpTopic(const std::string&) {}
void showHelpContents() {}
void shutDownHelp() {}
}  // namespace qlmr
