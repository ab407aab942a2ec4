// What the keyboard reaches in the main window beyond the dialog manager's Tab: the banner as a
// tab stop, F5 and F1. The pages declare their own tab order.
#include "about/help_system.h"
#include "app/main_form.h"

namespace qlmr {
namespace {

constexpr int kHelpKey = 0x70;    // VK_F1
constexpr int kCheckKey = 0x74;   // VK_F5

}  // namespace

void MainForm::wireKeyboardAccess() {
    // The banner opens the about window on a click, and on Enter or Space once it has the focus.
    TopImage->makeFocusable();
    auto earlier = onKeyDown;
    onKeyDown = [this, earlier](int key) {
        if (earlier) earlier(key);
        AcceleratorKeyDown(key);
    };
}

// F5 checks the services' state on the services page; F1 opens the help of what is chosen:
// the service, the configuration (as its "more" link does), or the contents.
void MainForm::AcceleratorKeyDown(int key) {
    tk::TabSheet* page = MainPageControl->active();
    if (key == kCheckKey && page == SheetService) services->ServCheckStateClick();
    if (key != kHelpKey) return;
    if (page == SheetService)
        services->ServHelpClick();
    else if (page == SheetConfig)
        config->DescrFullLabelClick();
    else
        showHelpContents();
}

}  // namespace qlmr
