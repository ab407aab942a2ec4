// The tray icon and its menu, the title-bar commands, the banner, keys, the services console and
// the colour and font of the three main lists.
#include <stdexcept>
#include <string>

#include "about/about_form.h"
#include "base/environment.h"
#include "app/main_form.h"
#include "lang/lang_messages.h"
#include "platform/choosers.h"
#include "platform/files.h"
#include "platform/focus_watch.h"
#include "services/all_services_page.h"
#include "platform/jpeg.h"
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
constexpr int kLeftArrowKey = 0x25;
constexpr int kRightArrowKey = 0x27;

// What the title-bar buttons toggle.
struct CaptionBarButtons : tk::Component {
    using Component::Component;
    bool rolledUp = false;
    int restoredHeight = 0;
    bool stayOnTop = false;
};

// Whether the keyboard focus was last inside the page control, to tell an entry from outside.
struct PageFocus : tk::Component {
    PageFocus(tk::Form* owner, std::string name, void* window)
        : Component(owner, std::move(name)), watch(window, kFocusMovedMessage) {}
    FocusWatch watch;
    bool inside = false;
};

// The colour and font dialogs remember their last choice while the program runs.
struct ColorDialog : tk::Component {
    ColorDialog(tk::Form* owner, std::string name, unsigned long initial)
        : Component(owner, std::move(name)), color(initial) {}
    unsigned long color;
};

struct FontDialog : tk::Component {
    FontDialog(tk::Form* owner, std::string name) : Component(owner, std::move(name)) {
        font.color = systemColor(SystemColor::WindowText);
    }
    ~FontDialog() override { deleteFont(applied); }
    FontChoice font;   // "MS Sans Serif", 11 pixels: 8 point at 96 dots per inch
    void* applied = nullptr;
};

// The banner as decoded. The picture control centres what it shows, and the banner's text
// stands at its left end, so it is shown cut to the window's width from the left.
struct Banner : tk::Component {
    Banner(tk::Form* owner, std::string name, void* decoded) : Component(owner, std::move(name)), picture(decoded) {}
    ~Banner() override { deletePicture(picture); }
    void* picture;
    int shownWidth = -1;
};

template <class Part>
Part& part(const MainForm& form, const char* name) {
    auto* found = dynamic_cast<Part*>(form.find(name));
    if (!found) throw std::logic_error(std::string("missing ") + name);
    return *found;
}

bool isInPages(const MainForm& form, void* window) {
    if (isWindowWithin(window, form.MainPageControl->handle())) return true;
    for (tk::TabSheet* sheet : {form.SheetService, form.SheetConfig, form.SheetBackup, form.SheetLog,
                                form.SheetInvisible, form.SheetCurrent, form.allServicesPage->SheetAllServices})
        if (sheet->hasHandle() && isWindowWithin(window, sheet->handle())) return true;
    return false;
}

// Focus moving to another window or program and back is no entry: only moves within the
// main window count.
void focusMoved(MainForm& form, void* gaining) {
    if (!isWindowWithin(gaining, form.handle())) return;
    PageFocus& focus = part<PageFocus>(form, "MainPageControlFocus");
    const bool inside = isInPages(form, gaining);
    const bool entered = inside && !focus.inside;
    focus.inside = inside;
    if (entered) tk::runHandler(form.MainPageControl->onEnter);
}

void fitBanner(MainForm& form, int width) {
    Banner& banner = part<Banner>(form, "TopImagePicture");
    if (banner.shownWidth == width) return;
    banner.shownWidth = width;
    form.TopImage->setBitmap(leftPartOf(banner.picture, width));
}

void showPage(MainForm& form, tk::TabSheet* sheet) {
    form.show();
    form.MainPageControl->setActive(sheet);
}

void addTitleBarCommands(MainForm& form) {
    appendSystemMenuItem(form.handle(), 0, "");
    appendSystemMenuItem(form.handle(), kRollUpCommand, "Свернуть в заголовок");
    appendSystemMenuItem(form.handle(), kStayOnTopCommand, "Поверх всех окон");
    appendSystemMenuItem(form.handle(), kHideToTrayCommand, "Спрятать в трей");
}

bool runTitleBarCommand(MainForm& form, unsigned id) {
    switch (id) {
    case kRollUpCommand: tk::runHandler([&] { form.rollUpClick(); }); return true;
    case kStayOnTopCommand: tk::runHandler([&] { form.stayOnTopClick(); }); return true;
    case kHideToTrayCommand: tk::runHandler([&] { form.mxCaptionBarButtonsButtons2Click(); }); return true;
    default: return false;
    }
}

// A window hidden without an icon could only be ended from the task manager, so the window
// stays on screen and says why. Built in Russian; language files translate it by its key.
void showTrayFailure(const MainForm& form) {
    std::string text = form.message("TrayIconFailed");
    if (text == kNoMessage) text = "Не удалось поместить значок программы в область уведомлений. Окно остается на экране.";
    tk::dialogs().error(text);
}

}  // namespace

void MainForm::wireTrayEvents() {
    make<CaptionBarButtons>("mxCaptionBarButtons");
    // Focus can only move once the window is on screen; watching from then on spares the
    // watch's hook every window made before.
    onShowing = [this] {
        if (!find("MainPageControlFocus")) make<PageFocus>("MainPageControlFocus", handle());
    };
    make<ColorDialog>("MainColorDialog", ServiceNames->color());
    make<FontDialog>("MainFontDialog");
    addTitleBarCommands(*this);
    // A missing or broken banner picture leaves the banner empty.
    make<Banner>("TopImagePicture", loadJpegFile(programFolder() + "top.jpg"));
    fitBanner(*this, clientRect().w);

    N8->onClick = [this] { N8Click(); };
    N9->onClick = [this] { N9Click(); };
    N11->onClick = [this] { N11Click(); };
    N12->onClick = [this] { N12Click(); };
    N13->onClick = [this] { N13Click(); };
    N14->onClick = [this] { N14Click(); };
    N15->onClick = [this] { N15Click(); };
    TopImage->onClick = [this] { TopImageClick(); };
    MainPageControl->onEnter = [this] { MainPageControlEnter(); };
    ServiceapletstartButton->onClick = [this] { ServiceapletstartButtonClick(); };
    OptCColorButton->onClick = [this] { OptCColorButtonClick(); };
    OpCFontButton->onClick = [this] { OpCFontButtonClick(); };

    auto earlier = onMessage;
    onMessage = [this, earlier](unsigned msg, uintptr_t wp, intptr_t lp, intptr_t& result) {
        if (msg == tk::TrayIcon::kCallbackMessage) {
            tk::runHandler([&] { RxTrayIconMain->handleCallback(static_cast<unsigned long>(lp)); });
            result = 0;
            return true;
        }
        if (msg == tk::TrayIcon::taskbarCreatedMessage()) {
            tk::runHandler([&] { TaskbarCreated(); });
            result = 0;
            return true;
        }
        if (msg == showRequestMessage()) {
            tk::runHandler([&] { SecondCopyStarted(); });
            result = 0;
            return true;
        }
        if (msg == kSystemCommandMessage && runTitleBarCommand(*this, systemCommandId(wp))) {
            result = 0;
            return true;
        }
        if (msg == kMinMaxInfoMessage && part<CaptionBarButtons>(*this, "mxCaptionBarButtons").rolledUp) {
            allowHeightDownTo(lp, titleBarHeight(handle()));
            result = 0;
            return true;
        }
        if (msg == kSizeMessage) fitBanner(*this, int(lp & 0xFFFF));   // and on to the layout
        if (msg == kFocusMovedMessage) {
            focusMoved(*this, reinterpret_cast<void*>(wp));
            result = 0;
            return true;
        }
        return earlier ? earlier(msg, wp, lp, result) : false;
    };
}

void MainForm::N8Click() {
    show();
    RxTrayIconMain->setActive(false);
}

void MainForm::N9Click() { close(); }
void MainForm::N11Click() { showPage(*this, SheetService); }
void MainForm::N12Click() { showPage(*this, SheetLog); }
void MainForm::N13Click() { showPage(*this, SheetConfig); }
void MainForm::N14Click() { showPage(*this, SheetBackup); }

void MainForm::N15Click() {
    if (aboutForm) aboutForm->show();
}

void MainForm::mxCaptionBarButtonsButtons2Click() {
    if (!RxTrayIconMain->setActive(true)) {
        showTrayFailure(*this);
        return;
    }
    hide();
}

// The shell started anew (after Explorer ended) with an empty notification area.
void MainForm::TaskbarCreated() {
    if (RxTrayIconMain->restore()) return;
    show();
    showTrayFailure(*this);
}

// Another copy was started and ended at once: this one comes forward as the tray's N8 brings it.
void MainForm::SecondCopyStarted() {
    N8Click();
    restoreIfMinimized(handle());
}

void MainForm::rollUpClick() {
    auto& buttons = part<CaptionBarButtons>(*this, "mxCaptionBarButtons");
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
    auto& buttons = part<CaptionBarButtons>(*this, "mxCaptionBarButtons");
    buttons.stayOnTop = !buttons.stayOnTop;
    setStayOnTop(handle(), buttons.stayOnTop);
    checkSystemMenuItem(handle(), kStayOnTopCommand, buttons.stayOnTop);
}

void MainForm::TopImageClick() {
    if (aboutForm) aboutForm->show();
}

// The arrows bring the front page to the front again and then go on to the focused control.
void MainForm::FormKeyDown(int key) {
    if (key != kLeftArrowKey && key != kRightArrowKey) return;
    if (tk::TabSheet* front = MainPageControl->active()) MainPageControl->setActive(front);
}

void MainForm::MainPageControlEnter() { BackupSearchClick(); }

void MainForm::ServiceapletstartButtonClick() {
    env().shell->execute(handle(), "Open", "services.msc", "", "", ShowCommand::Show);
}

void MainForm::OptCColorButtonClick() {
    auto& dialog = part<ColorDialog>(*this, "MainColorDialog");
    unsigned long color = dialog.color;
    if (!choosers().chooseColor(handle(), color)) return;
    dialog.color = color;
    ServiceNames->setColor(color);
    LogBox->setColor(color);
    BackupBox->setColor(color);
}

void MainForm::OpCFontButtonClick() {
    auto& dialog = part<FontDialog>(*this, "MainFontDialog");
    FontChoice font = dialog.font;
    if (!choosers().chooseFont(handle(), font)) return;
    dialog.font = font;
    void* previous = dialog.applied;
    dialog.applied = createFont(font);
    for (tk::Control* list : {static_cast<tk::Control*>(ServiceNames), static_cast<tk::Control*>(LogBox),
                              static_cast<tk::Control*>(BackupBox)}) {
        list->setFont(dialog.applied);
        list->setTextColor(font.color);
    }
    deleteFont(previous);
}

}  // namespace qlmr
