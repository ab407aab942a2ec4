// What the keyboard and a screen reader reach in the main window beyond the dialog manager's
// Tab: the banner as a tab stop, the tab order of the pages, F5 and F1, and the meaning of a
// service row's mark.
#include "about/help_system.h"
#include "app/main_form.h"
#include "lang/lang_messages.h"
#include "toolkit/keyboard.h"

namespace qlmr {
namespace {

constexpr int kHelpKey = 0x70;    // VK_F1
constexpr int kCheckKey = 0x74;   // VK_F5

}  // namespace

void MainForm::wireKeyboardAccess() {
    // The banner opens the about window on a click, and on Enter or Space once it has the focus.
    TopImage->makeFocusable();
    // The extra-functions panel stands beside the list, so it comes right after it.
    tk::setTabOrder({ServiceNameCBUni, ServiceNames, TweackPanel, ServCheckState, ServCheckUncheck, ServStart,
                     ServStop, ServHelp, TweackStart});
    // The configurations page column by column: the left one down, then the description and
    // the preview beside it.
    tk::setTabOrder({Tweackedcf, Internetcf, Gamingcf, Commoncf, DescrFullLabel, ConfigApplyv, ConfigApplyUndo,
                     ChangeDescriptionButton, ChangeDescriptionBackButton, ConfigUndoPreview, DescriptionMemo,
                     PreviewList});
    ServiceNames->markMeaning = [this] {
        const std::string meaning = message("RowNotRunning");
        return meaning == kNoMessage ? std::string("не запущена") : meaning;
    };
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
    if (key == kCheckKey && page == SheetService) ServCheckStateClick();
    if (key != kHelpKey) return;
    if (page == SheetService)
        ServHelpClick();
    else if (page == SheetConfig)
        DescrFullLabelClick();
    else
        showHelpContents();
}

}  // namespace qlmr
