// The main window's own messages: the tray's, the shell's, a second copy's, the title-bar
// commands, the banner's width and the focus entering the pages.
#include <string>

#include "base/environment.h"
#include "app/main_form.h"
#include "app/window_parts.h"
#include "lang/lang_messages.h"
#include "lang/message_keys.h"
#include "platform/files.h"
#include "platform/single_instance.h"
#include "platform/window_frame.h"
#include "toolkit/dialogs.h"
#include "toolkit/messages.h"

namespace qlmr {
namespace {

// Buttons drawn into the caption are unreliable under Wine (its non-client painting overdraws
// them and their hit-testing differs), so the three title-bar buttons are items of the window's
// system menu, opened from the title bar's icon or by a right click on the title bar.
constexpr unsigned kRollUpCommand = 0x0110;
constexpr unsigned kStayOnTopCommand = 0x0120;
constexpr unsigned kHideToTrayCommand = 0x0130;
using tk::kFocusMovedMessage;
constexpr unsigned kSizeMessage = 0x0005;               // WM_SIZE

void addTitleBarCommands(void* window) {
    appendSystemMenuItem(window, 0, "");
    appendSystemMenuItem(window, kRollUpCommand, "Свернуть в заголовок");
    appendSystemMenuItem(window, kStayOnTopCommand, "Поверх всех окон");
    appendSystemMenuItem(window, kHideToTrayCommand, "Спрятать в трей");
}

// Runs a handler with its errors shown; the message counts as handled.
bool handled(const std::function<void()>& handler) {
    tk::runHandler(handler);
    return true;
}

}  // namespace

void MainForm::makeWindowParts() {
    captionBar_ = make<CaptionBarButtons>("mxCaptionBarButtons");
    // Focus can only move once the window is on screen; watching from then on spares the
    // watch's hook every window made before.
    onShowing = [this] {
        if (!pageFocus_) pageFocus_ = make<PageFocus>("MainPageControlFocus", handle(), kFocusMovedMessage);
    };
    colorDialog_ = make<ColorDialog>("MainColorDialog", services->ServiceNames->color());
    fontDialog_ = make<FontDialog>("MainFontDialog");
    addTitleBarCommands(handle());
    // A missing or broken banner picture leaves the banner empty.
    banner_ = make<Banner>("TopImagePicture", loadJpegFile(programFolder() + "top.jpg"));
    fitBanner(clientRect().w);
    TopImage->onClick = [this] { TopImageClick(); };
    MainPageControl->onEnter = [this] { MainPageControlEnter(); };
}

void MainForm::wireWindowMessages() {
    routes_ = {
        {tk::TrayIcon::kCallbackMessage,
         [this](uintptr_t, intptr_t lp) {
             return handled([&] { tray->RxTrayIconMain->handleCallback(static_cast<unsigned long>(lp)); });
         }},
        {tk::TrayIcon::taskbarCreatedMessage(), [this](uintptr_t, intptr_t) { return handled([&] { TaskbarCreated(); }); }},
        {showRequestMessage(), [this](uintptr_t, intptr_t) { return handled([&] { SecondCopyStarted(); }); }},
        {kSystemCommandMessage,
         [this](uintptr_t wp, intptr_t) {
             switch (systemCommandId(wp)) {
             case kRollUpCommand: return handled([&] { rollUpClick(); });
             case kStayOnTopCommand: return handled([&] { stayOnTopClick(); });
             case kHideToTrayCommand: return handled([&] { mxCaptionBarButtonsButtons2Click(); });
             default: return false;
             }
         }},
        {kMinMaxInfoMessage,
         [this](uintptr_t, intptr_t lp) {
             if (!captionBar_->rolledUp) return false;
             allowHeightDownTo(lp, titleBarHeight(handle()));
             return true;
         }},
        // The banner follows the width, and the layout still gets the message.
        {kSizeMessage, [this](uintptr_t, intptr_t lp) { fitBanner(int(lp & 0xFFFF)); return false; }},
        {kFocusMovedMessage, [this](uintptr_t wp, intptr_t) { focusMoved(reinterpret_cast<void*>(wp)); return true; }},
    };
    auto earlier = onMessage;
    onMessage = [this, earlier](unsigned msg, uintptr_t wp, intptr_t lp, intptr_t& result) {
        return routeMessage(msg, wp, lp, result) || (earlier && earlier(msg, wp, lp, result));
    };
}

bool MainForm::routeMessage(unsigned msg, uintptr_t wp, intptr_t lp, intptr_t& result) {
    for (const MessageRoute& route : routes_) {
        if (route.message != msg) continue;
        if (!route.handle(wp, lp)) return false;
        result = 0;
        return true;
    }
    return false;
}

bool MainForm::isInPages(void* window) const {
    if (isWindowWithin(window, MainPageControl->handle())) return true;
    for (tk::TabSheet* sheet :
         {SheetService, SheetConfig, SheetBackup, SheetLog, SheetInvisible, SheetCurrent, SheetAllServices})
        if (sheet->hasHandle() && isWindowWithin(window, sheet->handle())) return true;
    return false;
}

// Focus moving to another window or program and back is no entry: only moves within the
// main window count.
void MainForm::focusMoved(void* gaining) {
    if (!isWindowWithin(gaining, handle()) || !pageFocus_) return;
    const bool inside = isInPages(gaining);
    const bool entered = inside && !pageFocus_->inside;
    pageFocus_->inside = inside;
    if (entered) tk::runHandler(MainPageControl->onEnter);
}

void MainForm::fitBanner(int width) {
    if (banner_->shownWidth == width) return;
    banner_->shownWidth = width;
    TopImage->setBitmap(leftPartOf(banner_->picture, width));
}

// A window hidden without an icon could only be ended from the task manager, so the window
// stays on screen and says why. Built in Russian; language files translate it by its key.
void MainForm::showTrayFailure() const {
    std::string text = message(msg::kTrayIconFailed);
    if (text == kNoMessage) text = "Не удалось поместить значок программы в область уведомлений. Окно остается на экране.";
    tk::dialogs().error(text);
}

void MainForm::mxCaptionBarButtonsButtons2Click() {
    if (!tray->RxTrayIconMain->setActive(true)) {
        showTrayFailure();
        return;
    }
    hide();
}

// The shell started anew (after Explorer ended) with an empty notification area.
void MainForm::TaskbarCreated() {
    if (tray->RxTrayIconMain->restore()) return;
    show();
    showTrayFailure();
}

// Another copy was started and ended at once: this one comes forward as the tray's N8 brings it.
void MainForm::SecondCopyStarted() {
    tray->N8Click();
    restoreIfMinimized(handle());
}

void MainForm::rollUpClick() {
    CaptionBarButtons& buttons = *captionBar_;
    if (!buttons.rolledUp) {
        buttons.restoredHeight = windowHeight(handle());
        buttons.rolledUp = true;   // before the resize: the minimum-size query asks for it
        setWindowHeight(handle(), titleBarHeight(handle()));
    } else {
        buttons.rolledUp = false;
        setWindowHeight(handle(), buttons.restoredHeight);
    }
    checkSystemMenuItem(handle(), kRollUpCommand, buttons.rolledUp);
}

void MainForm::stayOnTopClick() {
    captionBar_->stayOnTop = !captionBar_->stayOnTop;
    setStayOnTop(handle(), captionBar_->stayOnTop);
    checkSystemMenuItem(handle(), kStayOnTopCommand, captionBar_->stayOnTop);
}

}  // namespace qlmr
