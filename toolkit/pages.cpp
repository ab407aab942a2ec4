// The page control and its sheets: tabs, the front page, and the sheets' place in the control.
#include "toolkit/form.h"
#include "toolkit/text.h"
#include "toolkit/pages.h"
#include "toolkit/win.h"

namespace tk {
namespace {

using detail::hwndOf;

}  // namespace

// What the tab control's frame and tab row take of its design size: a sheet's design size is the rest.
constexpr Size kSheetInsets{8, 30};

PageControl::PageControl(Form* owner, std::string name, Control* parent, Rect r)
    : Control(owner, std::move(name)) {
    create(WC_TABCONTROLW, WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, 0, parent, "", r);
}

// Tabs, captions and the front tab wait with the control until its window is made.
void PageControl::addSheet(TabSheet* sheet, bool showTab) {
    sheets_.push_back(sheet);
    if (showTab) {
        if (hasHandle()) sendTab(TCM_INSERTITEMW, sheet, tabs_.size());
        tabs_.push_back(sheet);
    }
    sheet->setVisible(false);
    if (!active_ && showTab) setActive(sheet);
    if (hasHandle()) layout();
}

// Inserts (TCM_INSERTITEMW) or rewrites (TCM_SETITEMW) the tab at a position with a sheet's caption.
void PageControl::sendTab(unsigned message, TabSheet* sheet, size_t at) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    std::wstring t = widen(sheet->text());
    item.pszText = t.data();
    SendMessageW(hwndOf(this), message, at, LPARAM(&item));
}

void PageControl::realized() {
    for (size_t i = 0; i < tabs_.size(); ++i) sendTab(TCM_INSERTITEMW, tabs_[i], i);
    selectTab();
    layout();
}

void PageControl::selectTab() {
    for (size_t i = 0; i < tabs_.size(); ++i)
        if (tabs_[i] == active_) SendMessageW(hwndOf(this), TCM_SETCURSEL, i, 0);
}

// The tab control measures all its tabs again and repaints their row for every caption.
void PageControl::updateTab(TabSheet* sheet) {
    if (!hasHandle()) return;
    for (size_t i = 0; i < tabs_.size(); ++i)
        if (tabs_[i] == sheet) sendTab(TCM_SETITEMW, sheet, i);
}

void PageControl::setActive(TabSheet* sheet) {
    if (active_ && active_ != sheet) active_->setVisible(false);
    active_ = sheet;
    if (hasHandle()) {
        selectTab();
        layout();
    }
    sheet->setVisible(true);
    if (sheet->hasHandle()) SetWindowPos(hwndOf(sheet), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    fire(sheet->onShown);
}

// The sheets fill the display area, which the tab control's window tells.
void PageControl::layout() {
    HWND h = hwndOf(this);
    RECT r;
    GetClientRect(h, &r);
    SendMessageW(h, TCM_ADJUSTRECT, FALSE, LPARAM(&r));
    MapWindowPoints(h, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
    for (TabSheet* s : sheets_) s->setBounds({int(r.left), int(r.top), int(r.right - r.left), int(r.bottom - r.top)});
}

TabSheet* PageControl::turn(int step) {
    if (tabs_.empty()) return active_;
    const int n = int(tabs_.size());
    int at = 0;
    while (at < n && tabs_[size_t(at)] != active_) ++at;
    if (at == n) at = step > 0 ? -1 : 0;
    setActive(tabs_[size_t(((at + step) % n + n) % n)]);
    return active_;
}

long long PageControl::handleNotify(void* p) {
    auto* hdr = static_cast<NMHDR*>(p);
    if (hdr->code == TCN_SELCHANGE) {
        int i = int(SendMessageW(hwndOf(this), TCM_GETCURSEL, 0, 0));
        if (i >= 0 && size_t(i) < tabs_.size()) setActive(tabs_[size_t(i)]);
    }
    return 0;
}

TabSheet::TabSheet(Form* owner, std::string name, PageControl* pages, const std::string& caption)
    : Control(owner, std::move(name)), pages_(pages), caption_(caption) {
    // Sheets are siblings of the tab control so that their children route to our own procedure.
    // No WS_CLIPCHILDREN: group boxes paint no background of their own, the container does.
    create(detail::kContainerClass, 0, WS_EX_CONTROLPARENT, pages->parent(), "", {});
    setAnchors(0);   // the page control places its sheets
    const Rect pagesDesign = pages->designBounds();
    setDesignSize({pagesDesign.w - kSheetInsets.w, pagesDesign.h - kSheetInsets.h});
}

// Above the tab control it lies on.
void TabSheet::realized() { SetWindowPos(hwndOf(this), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

void TabSheet::setText(const std::string& text) {
    if (text == caption_) return;
    caption_ = text;
    pages_->updateTab(this);
}

}  // namespace tk
