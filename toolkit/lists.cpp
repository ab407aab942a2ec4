// List boxes: plain, virtual, Unicode and check-mark lists.
#include "toolkit/lists.h"

#include "toolkit/contrast.h"
#include "toolkit/list_rows.h"
#include "toolkit/text.h"
#include "toolkit/win.h"

namespace tk {
namespace {

using detail::hwndOf;

using detail::listText;
using detail::RowBatch;

}  // namespace

// ---- ListBox
ListBox::ListBox(Form* owner, std::string name, Control* parent, Rect r) : Control(owner, std::move(name)) {
    create(L"LISTBOX", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
           WS_EX_CLIENTEDGE, parent, "", r);
}
void ListBox::clear() { SendMessageW(hwndOf(this), LB_RESETCONTENT, 0, 0); }
void ListBox::add(const std::string& item) { SendMessageW(hwndOf(this), LB_ADDSTRING, 0, LPARAM(widen(item).c_str())); }
int ListBox::count() const { return int(SendMessageW(hwndOf(this), LB_GETCOUNT, 0, 0)); }
std::string ListBox::item(int i) const { return listText(hwndOf(this), LB_GETTEXTLEN, LB_GETTEXT, i); }
int ListBox::itemIndex() const { return int(SendMessageW(hwndOf(this), LB_GETCURSEL, 0, 0)); }
void ListBox::setItemIndex(int i) { SendMessageW(hwndOf(this), LB_SETCURSEL, WPARAM(i), 0); }
bool ListBox::enterKey() {
    if (!onDblClick) return false;
    fire(onDblClick);
    return true;
}
void ListBox::handleCommand(int code) {
    if (code == LBN_SELCHANGE) fire(onClick);
    if (code == LBN_DBLCLK) fire(onDblClick);
}

// ---- VirtualListBox
VirtualListBox::VirtualListBox(Form* owner, std::string name, Control* parent, Rect r)
    : ListBox(owner, std::move(name)) {
    create(L"LISTBOX",
           WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
               LBS_NODATA | LBS_OWNERDRAWFIXED,
           WS_EX_CLIENTEDGE, parent, "", r);
}

VirtualListBox::~VirtualListBox() { detail::forgetDirty(this); }

void VirtualListBox::realized() {
    SendMessageW(hwndOf(this), LB_SETHORIZONTALEXTENT, 2000, 0);
    dirty_ = true;
    flush();
}

void VirtualListBox::clear() {
    lines_.clear();
    if (hasHandle()) SendMessageW(hwndOf(this), LB_SETCOUNT, 0, 0);
    dirty_ = false;
}

void VirtualListBox::add(const std::string& line) {
    lines_.push_back(line);
    if (!dirty_) {
        dirty_ = true;
        // The window learns the new count once the current message is done.
        detail::markDirty(this);
    }
}

void VirtualListBox::flush() {
    if (!dirty_) return;
    dirty_ = false;
    if (!hasHandle()) return;   // the window takes the count when it is made
    HWND h = hwndOf(this);
    int sel = int(SendMessageW(h, LB_GETCURSEL, 0, 0));
    SendMessageW(h, LB_SETCOUNT, WPARAM(lines_.size()), 0);
    if (sel >= 0) SendMessageW(h, LB_SETCURSEL, WPARAM(sel), 0);
    SendMessageW(h, LB_SETTOPINDEX, lines_.empty() ? 0 : WPARAM(lines_.size() - 1), 0);
}

bool VirtualListBox::handleDrawItem(void* p) {
    auto* dis = static_cast<DRAWITEMSTRUCT*>(p);
    bool selected = dis->itemState & ODS_SELECTED;
    const bool ownColor = brush_ && !highContrast();
    HBRUSH bg = selected ? GetSysColorBrush(COLOR_HIGHLIGHT)
                         : (ownColor ? static_cast<HBRUSH>(brush_) : GetSysColorBrush(COLOR_WINDOW));
    FillRect(dis->hDC, &dis->rcItem, bg);
    if (dis->itemID < lines_.size()) {
        SetBkMode(dis->hDC, TRANSPARENT);
        SetTextColor(dis->hDC, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : chosenOrSystem(textColor_, COLOR_WINDOWTEXT));
        std::wstring w = widen(lines_[dis->itemID]);
        RECT r = dis->rcItem;
        r.left += 2;
        DrawTextW(dis->hDC, w.c_str(), int(w.size()), &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (dis->itemState & ODS_FOCUS) DrawFocusRect(dis->hDC, &dis->rcItem);
    return true;
}

// ---- UniListBox
UniListBox::UniListBox(Form* owner, std::string name, Control* parent, Rect r)
    : Control(owner, std::move(name)) {
    create(L"LISTBOX", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
           WS_EX_CLIENTEDGE, parent, "", r);
}
void UniListBox::realized() { SendMessageW(hwndOf(this), LB_SETHORIZONTALEXTENT, 1500, 0); }
void UniListBox::clear() { SendMessageW(hwndOf(this), LB_RESETCONTENT, 0, 0); }
void UniListBox::add(const std::string& item) { SendMessageW(hwndOf(this), LB_ADDSTRING, 0, LPARAM(widen(item).c_str())); }
int UniListBox::count() const { return int(SendMessageW(hwndOf(this), LB_GETCOUNT, 0, 0)); }
std::string UniListBox::item(int i) const { return listText(hwndOf(this), LB_GETTEXTLEN, LB_GETTEXT, i); }
int UniListBox::itemIndex() const { return int(SendMessageW(hwndOf(this), LB_GETCURSEL, 0, 0)); }
void UniListBox::setItemIndex(int i) { SendMessageW(hwndOf(this), LB_SETCURSEL, WPARAM(i), 0); }
void UniListBox::handleCommand(int code) {
    if (code == LBN_SELCHANGE) fire(onClick);
}

// ---- UniCheckListBox: item data holds the check mark.
UniCheckListBox::UniCheckListBox(Form* owner, std::string name, Control* parent, Rect r)
    : Control(owner, std::move(name)) {
    create(L"LISTBOX",
           WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
               LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
           WS_EX_CLIENTEDGE, parent, "", r);
}
void UniCheckListBox::realized() { SendMessageW(hwndOf(this), LB_SETHORIZONTALEXTENT, 900, 0); }
void UniCheckListBox::clear() { SendMessageW(hwndOf(this), LB_RESETCONTENT, 0, 0); }
void UniCheckListBox::add(const std::string& item, bool on) {
    LRESULT i = SendMessageW(hwndOf(this), LB_ADDSTRING, 0, LPARAM(widen(item).c_str()));
    SendMessageW(hwndOf(this), LB_SETITEMDATA, WPARAM(i), on ? 1 : 0);
}
void UniCheckListBox::addAll(const std::vector<std::string>& items) {
    RowBatch batch(hwndOf(this));
    for (const std::string& item : items) add(item);
}
int UniCheckListBox::count() const { return int(SendMessageW(hwndOf(this), LB_GETCOUNT, 0, 0)); }
std::string UniCheckListBox::item(int i) const { return listText(hwndOf(this), LB_GETTEXTLEN, LB_GETTEXT, i); }
int UniCheckListBox::itemIndex() const { return int(SendMessageW(hwndOf(this), LB_GETCURSEL, 0, 0)); }
void UniCheckListBox::setItemIndex(int i) { SendMessageW(hwndOf(this), LB_SETCURSEL, WPARAM(i), 0); }
bool UniCheckListBox::checked(int i) const { return SendMessageW(hwndOf(this), LB_GETITEMDATA, WPARAM(i), 0) == 1; }
// A list not on screen is painted whole when it comes back; only a shown row is redrawn.
void UniCheckListBox::setChecked(int i, bool on) {
    HWND h = hwndOf(this);
    SendMessageW(h, LB_SETITEMDATA, WPARAM(i), on ? 1 : 0);
    RECT r;
    if (IsWindowVisible(h) && SendMessageW(h, LB_GETITEMRECT, WPARAM(i), LPARAM(&r)) != LB_ERR)
        InvalidateRect(h, &r, FALSE);
}
bool UniCheckListBox::enterKey() {
    if (!onDblClick) return false;
    fire(onDblClick);
    return true;
}
void UniCheckListBox::handleCommand(int code) {
    if (code == LBN_SELCHANGE) fire(onClick);
    if (code == LBN_DBLCLK) fire(onDblClick);
}

bool UniCheckListBox::handleDrawItem(void* p) {
    auto* dis = static_cast<DRAWITEMSTRUCT*>(p);
    if (dis->itemID == UINT(-1)) return true;
    HBRUSH bg = brush_ && !highContrast() ? static_cast<HBRUSH>(brush_) : GetSysColorBrush(COLOR_WINDOW);
    FillRect(dis->hDC, &dis->rcItem, bg);
    int side = dis->rcItem.bottom - dis->rcItem.top - 2;
    RECT box{dis->rcItem.left + 2, dis->rcItem.top + 1, dis->rcItem.left + 2 + side, dis->rcItem.top + 1 + side};
    DrawFrameControl(dis->hDC, &box, DFC_BUTTON, DFCS_BUTTONCHECK | (dis->itemData == 1 ? DFCS_CHECKED : 0));
    RECT tr = dis->rcItem;
    tr.left = box.right + 4;
    bool selected = dis->itemState & ODS_SELECTED;
    if (selected) FillRect(dis->hDC, &tr, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetBkMode(dis->hDC, TRANSPARENT);
    SetTextColor(dis->hDC, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : chosenOrSystem(textColor_, COLOR_WINDOWTEXT));
    std::wstring w = widen(item(int(dis->itemID)));
    tr.left += 2;
    DrawTextW(dis->hDC, w.c_str(), int(w.size()), &tr, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (dis->itemState & ODS_FOCUS) DrawFocusRect(dis->hDC, &tr);
    return true;
}

}  // namespace tk
