#include "toolkit/widgets.h"

#include <algorithm>

#include "toolkit/form.h"
#include "toolkit/menu.h"
#include "toolkit/report_list.h"
#include "toolkit/text.h"
#include "toolkit/win.h"

namespace tk {
namespace {

HWND hwndOf(const Control* c) { return static_cast<HWND>(c->handle()); }

std::string listText(HWND h, UINT lenMsg, UINT textMsg, int i) {
    LRESULT n = SendMessageW(h, lenMsg, WPARAM(i), 0);
    if (n < 0) return {};
    std::wstring buf(size_t(n) + 1, L'\0');
    SendMessageW(h, textMsg, WPARAM(i), LPARAM(buf.data()));
    buf.resize(size_t(n));
    return narrow(buf);
}

// Holds a list's scroll bar and painting while it takes many rows; lists switch their own
// redraw flag, and the window then updates once instead of once a row.
class RowBatch {
public:
    explicit RowBatch(HWND list) : list_(list) { SendMessageW(list_, WM_SETREDRAW, FALSE, 0); }
    ~RowBatch() {
        SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list_, nullptr, TRUE);
    }
    RowBatch(const RowBatch&) = delete;
    RowBatch& operator=(const RowBatch&) = delete;
private:
    HWND list_;
};

}  // namespace

// Draws a label as a static text control would: its background in the brush its colour
// handler gives (the face colour by default), then its text, grey while disabled.
static void drawStaticText(Control& c, HDC dc, unsigned long style) {
    const Rect b = c.bounds();
    RECT r{b.x, b.y, b.x + b.w, b.y + b.h};
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    HBRUSH brush = static_cast<HBRUSH>(c.handleColor(dc));
    FillRect(dc, &r, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    if (!c.enabled()) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    SelectObject(dc, static_cast<HFONT>(c.font()));
    UINT format = DT_EXPANDTABS | DT_WORDBREAK | ((style & SS_TYPEMASK) == SS_RIGHT ? DT_RIGHT : DT_LEFT);
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    DrawTextW(dc, widen(c.text()).c_str(), -1, &r, format);
}

// ---- Label
// Labels are drawn by their container: a window each would cost more to make than they show.
Label::Label(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r,
             bool rightAlign)
    : Control(owner, std::move(name)) {
    createWindowless(parent, WS_VISIBLE | SS_NOTIFY | (rightAlign ? SS_RIGHT : SS_LEFT), caption, r);
}

void Label::paint(void* hdc) { drawStaticText(*this, static_cast<HDC>(hdc), style()); }

// The four weights and underlines of the labels' font are made once and shared for the
// program's life, so the labels paint with fonts already realized.
void Label::setBold(bool on) {
    static HFONT fonts[2][2] = {};
    HFONT& font = fonts[on][link_];
    if (!font) {
        LOGFONTW lf{};
        GetObjectW(detail::defaultFont(), sizeof lf, &lf);
        lf.lfWeight = on ? FW_BOLD : FW_NORMAL;
        lf.lfUnderline = link_;
        font = CreateFontIndirectW(&lf);
    }
    setFont(font);
}

void* Label::handleColor(void* hdc) {
    if (link_) SetTextColor(static_cast<HDC>(hdc), RGB(0, 0, 255));
    void* b = Control::handleColor(hdc);
    if (b) return b;
    if (!link_) return nullptr;
    SetBkMode(static_cast<HDC>(hdc), TRANSPARENT);
    return GetSysColorBrush(COLOR_BTNFACE);
}

void Label::handleCommand(int code) {
    if (code == STN_CLICKED) fire(onClick);
}

// ---- Button
Button::Button(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r)
    : Control(owner, std::move(name)) {
    plainTextWindow_ = true;
    create(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE, 0, parent, caption, r);
}

void Button::click() { fire(onClick); }

void Button::handleCommand(int code) {
    if (code == BN_CLICKED) fire(onClick);
}

// ---- CheckBox, RadioButton
CheckMark::CheckMark(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r,
                     unsigned long buttonStyle)
    : Control(owner, std::move(name)) {
    plainTextWindow_ = true;
    create(L"BUTTON", WS_VISIBLE | WS_TABSTOP | buttonStyle, 0, parent, caption, r);
}
bool CheckMark::checked() const {
    return hasHandle() ? SendMessageW(hwndOf(this), BM_GETCHECK, 0, 0) == BST_CHECKED : checked_;
}
void CheckMark::setChecked(bool on) {
    checked_ = on;
    if (hasHandle()) SendMessageW(hwndOf(this), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}
void CheckMark::realized() {
    if (checked_) SendMessageW(hwndOf(this), BM_SETCHECK, BST_CHECKED, 0);
}
void CheckMark::handleCommand(int code) {
    if (code == BN_CLICKED) fire(onClick);
}

CheckBox::CheckBox(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r)
    : CheckMark(owner, std::move(name), parent, caption, r, BS_AUTOCHECKBOX) {}

RadioButton::RadioButton(Form* owner, std::string name, Control* parent, const std::string& caption,
                         Rect r, bool firstOfGroup)
    : CheckMark(owner, std::move(name), parent, caption, r, BS_AUTORADIOBUTTON | (firstOfGroup ? WS_GROUP : 0)) {}

// ---- GroupBox
GroupBox::GroupBox(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r)
    : Control(owner, std::move(name)) {
    plainTextWindow_ = true;
    create(L"BUTTON", WS_VISIBLE | BS_GROUPBOX, 0, parent, caption, r);
}
// Beneath the controls it frames.
void GroupBox::realized() { SetWindowPos(hwndOf(this), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

// ---- Edit, Memo
Edit::Edit(Form* owner, std::string name, Control* parent, const std::string& text, Rect r)
    : Control(owner, std::move(name)) {
    create(L"EDIT", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, parent, text, r);
}

Memo::Memo(Form* owner, std::string name, Control* parent, const std::string& text, Rect r, bool readOnly)
    : Control(owner, std::move(name)) {
    create(L"EDIT", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                        (readOnly ? ES_READONLY : 0),
           WS_EX_CLIENTEDGE, parent, text, r);
}

// ---- ComboBox
ComboBox::ComboBox(Form* owner, std::string name, Control* parent, const std::string& text, Rect r,
                   bool editable)
    : Control(owner, std::move(name)) {
    build(parent, text, r, editable);
}

void ComboBox::build(Control* parent, const std::string& text, Rect r, bool editable) {
    r.h = 300;
    editable_ = editable;
    create(L"COMBOBOX", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL |
                            (editable ? CBS_DROPDOWN : CBS_DROPDOWNLIST),
           0, parent, "", r);
    if (editable) editText_ = text;
}

// A combo box is the dearest control to make, so its list lives here until the window exists;
// the window then gets the items, the selection and the edit text in that order. An editable
// drop-down with nothing chosen shows only its edit, so it keeps its list here until the list is
// first needed: opened, focused for typing, or chosen from.
void ComboBox::realized() {
    HWND h = hwndOf(this);
    if (!editable_ || index_ >= 0) giveListToWindow();
    if (index_ >= 0) SendMessageW(h, CB_SETCURSEL, WPARAM(index_), 0);
    if (editable_) SetWindowTextW(h, widen(editText_).c_str());
}

void ComboBox::giveListToWindow() {
    if (!hasHandle() || listInWindow_) return;
    HWND h = hwndOf(this);
    if (!items_.empty()) {
        RowBatch batch(h);
        for (const std::string& item : items_) SendMessageW(h, CB_ADDSTRING, 0, LPARAM(widen(item).c_str()));
    }
    items_.clear();
    listInWindow_ = true;
}

std::string ComboBox::text() const {
    if (hasHandle()) return Control::text();
    if (editable_) return editText_;
    return index_ >= 0 ? items_[size_t(index_)] : std::string();
}

// A drop-down list has no text of its own to set.
void ComboBox::setText(const std::string& text) {
    if (hasHandle())
        Control::setText(text);
    else if (editable_)
        editText_ = text;
}

void ComboBox::clear() {
    if (!listInWindow_) {
        items_.clear();
        index_ = -1;
        return;
    }
    std::string keep = text();   // the edit text survives a refill
    SendMessageW(hwndOf(this), CB_RESETCONTENT, 0, 0);
    setText(keep);
}
void ComboBox::add(const std::string& item) {
    if (listInWindow_)
        SendMessageW(hwndOf(this), CB_ADDSTRING, 0, LPARAM(widen(item).c_str()));
    else
        items_.push_back(item);
}
int ComboBox::count() const {
    return listInWindow_ ? int(SendMessageW(hwndOf(this), CB_GETCOUNT, 0, 0)) : int(items_.size());
}
std::string ComboBox::item(int i) const {
    if (listInWindow_) return listText(hwndOf(this), CB_GETLBTEXTLEN, CB_GETLBTEXT, i);
    return i >= 0 && size_t(i) < items_.size() ? items_[size_t(i)] : std::string();
}
int ComboBox::itemIndex() const { return listInWindow_ ? int(SendMessageW(hwndOf(this), CB_GETCURSEL, 0, 0)) : index_; }
// Choosing an item puts it in the edit; choosing none (or one past the end) empties the edit.
void ComboBox::setItemIndex(int i) {
    giveListToWindow();
    if (listInWindow_) {
        SendMessageW(hwndOf(this), CB_SETCURSEL, WPARAM(i), 0);
        return;
    }
    index_ = i >= 0 && size_t(i) < items_.size() ? i : -1;
    if (editable_) editText_ = index_ >= 0 ? items_[size_t(index_)] : std::string();
}
void ComboBox::handleCommand(int code) {
    if (code == CBN_DROPDOWN || code == CBN_SETFOCUS) giveListToWindow();
    if (code == CBN_SELCHANGE || code == CBN_EDITCHANGE) fire(onChange);
    if (code == CBN_SETFOCUS) fire(onEnter);
}

// ---- UniComboBox
UniComboBox::UniComboBox(Form* owner, std::string name, Control* parent, const std::string& text, Rect r,
                         bool editable)
    : ComboBox(owner, std::move(name)) {
    build(parent, text, r, editable);
}

void UniComboBox::handleCommand(int code) {
    if (code == CBN_EDITCHANGE) giveListToWindow();
    if (code == CBN_EDITCHANGE && autoComplete) {
        // Type-ahead: complete to the first entry that begins with what was typed.
        std::wstring typed = widen(text());
        bool grew = typed.size() > lastLength_;
        lastLength_ = typed.size();
        int found = typed.empty() ? -1
                                  : int(SendMessageW(hwndOf(this), CB_FINDSTRING, WPARAM(-1), LPARAM(typed.c_str())));
        if (found >= 0 && grew) {
            SendMessageW(hwndOf(this), CB_SETCURSEL, WPARAM(found), 0);
            SendMessageW(hwndOf(this), CB_SETEDITSEL, 0, MAKELPARAM(typed.size(), -1));
        } else if (found < 0) {
            SendMessageW(hwndOf(this), CB_SETCURSEL, WPARAM(-1), 0);
            SetWindowTextW(hwndOf(this), typed.c_str());
            SendMessageW(hwndOf(this), CB_SETEDITSEL, 0, MAKELPARAM(typed.size(), typed.size()));
        }
    }
    ComboBox::handleCommand(code);
}

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
    HBRUSH bg = selected ? GetSysColorBrush(COLOR_HIGHLIGHT)
                         : (brush_ ? static_cast<HBRUSH>(brush_) : GetSysColorBrush(COLOR_WINDOW));
    FillRect(dis->hDC, &dis->rcItem, bg);
    if (dis->itemID < lines_.size()) {
        SetBkMode(dis->hDC, TRANSPARENT);
        SetTextColor(dis->hDC, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                        : (textColor_ != 0xFFFFFFFF ? textColor_ : GetSysColor(COLOR_WINDOWTEXT)));
        std::wstring w = widen(lines_[dis->itemID]);
        RECT r = dis->rcItem;
        r.left += 2;
        DrawTextW(dis->hDC, w.c_str(), int(w.size()), &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (dis->itemState & ODS_FOCUS) DrawFocusRect(dis->hDC, &dis->rcItem);
    return true;
}

// ---- Panels and Unicode controls
Panel::Panel(Form* owner, std::string name, Control* parent, Rect r) : Control(owner, std::move(name)) {
    create(detail::kContainerClass, WS_VISIBLE, WS_EX_CONTROLPARENT, parent, "", r);
}

UniLabel::UniLabel(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r)
    : Control(owner, std::move(name)) {
    createWindowless(parent, WS_VISIBLE | SS_LEFT, caption, r);
}

void UniLabel::paint(void* hdc) { drawStaticText(*this, static_cast<HDC>(hdc), style()); }

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
void UniCheckListBox::handleCommand(int code) {
    if (code == LBN_SELCHANGE) fire(onClick);
    if (code == LBN_DBLCLK) fire(onDblClick);
}

bool UniCheckListBox::handleDrawItem(void* p) {
    auto* dis = static_cast<DRAWITEMSTRUCT*>(p);
    if (dis->itemID == UINT(-1)) return true;
    HBRUSH bg = brush_ ? static_cast<HBRUSH>(brush_) : GetSysColorBrush(COLOR_WINDOW);
    FillRect(dis->hDC, &dis->rcItem, bg);
    int side = dis->rcItem.bottom - dis->rcItem.top - 2;
    RECT box{dis->rcItem.left + 2, dis->rcItem.top + 1, dis->rcItem.left + 2 + side, dis->rcItem.top + 1 + side};
    DrawFrameControl(dis->hDC, &box, DFC_BUTTON, DFCS_BUTTONCHECK | (dis->itemData == 1 ? DFCS_CHECKED : 0));
    RECT tr = dis->rcItem;
    tr.left = box.right + 4;
    bool selected = dis->itemState & ODS_SELECTED;
    if (selected) FillRect(dis->hDC, &tr, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetBkMode(dis->hDC, TRANSPARENT);
    SetTextColor(dis->hDC, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                    : (textColor_ != 0xFFFFFFFF ? textColor_ : GetSysColor(COLOR_WINDOWTEXT)));
    std::wstring w = widen(item(int(dis->itemID)));
    tr.left += 2;
    DrawTextW(dis->hDC, w.c_str(), int(w.size()), &tr, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (dis->itemState & ODS_FOCUS) DrawFocusRect(dis->hDC, &tr);
    return true;
}

// ---- StatusBar
StatusBar::StatusBar(Form* owner, std::string name, Control* parent, std::vector<int> widths)
    : Control(owner, std::move(name)) {
    create(STATUSCLASSNAMEW, WS_VISIBLE | CCS_BOTTOM, 0, parent, "", {});
    int x = 0;
    for (int w : widths) edges_.push_back(x += scaled(w));
}
void StatusBar::realized() { SendMessageW(hwndOf(this), SB_SETPARTS, edges_.size(), LPARAM(edges_.data())); }
void StatusBar::setPanelText(int panel, const std::string& text) {
    SendMessageW(hwndOf(this), SB_SETTEXTW, WPARAM(panel), LPARAM(widen(text).c_str()));
}
std::string StatusBar::panelText(int panel) const {
    int n = LOWORD(SendMessageW(hwndOf(this), SB_GETTEXTLENGTHW, WPARAM(panel), 0));
    std::wstring buf(size_t(n) + 1, L'\0');
    SendMessageW(hwndOf(this), SB_GETTEXTW, WPARAM(panel), LPARAM(buf.data()));
    buf.resize(size_t(n));
    return narrow(buf);
}

// ---- Image
// Drawn by its container at its own pixel size, whatever the DPI: centred where the control is
// larger, from the top-left corner where it is smaller (a banner wider than the window shows its
// start). What the picture does not cover is the face colour.
Image::Image(Form* owner, std::string name, Control* parent, Rect r) : Control(owner, std::move(name)) {
    createWindowless(parent, WS_VISIBLE | SS_BITMAP | SS_NOTIFY, "", r);
}
Image::~Image() {
    if (bitmap_) DeleteObject(static_cast<HBITMAP>(bitmap_));
}
void Image::setBitmap(void* hbitmap) {
    if (bitmap_) DeleteObject(static_cast<HBITMAP>(bitmap_));
    bitmap_ = hbitmap;
    invalidate();
}
void Image::paint(void* hdc) {
    HDC dc = static_cast<HDC>(hdc);
    const Rect b = bounds();
    RECT area{b.x, b.y, b.x + b.w, b.y + b.h};
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    BITMAP size{};
    if (bitmap_ && GetObjectW(static_cast<HBITMAP>(bitmap_), sizeof size, &size)) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(source, static_cast<HBITMAP>(bitmap_));
        const int x = b.x + std::max(0, (b.w - int(size.bmWidth)) / 2);
        const int y = b.y + std::max(0, (b.h - int(size.bmHeight)) / 2);
        BitBlt(dc, x, y, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
        ExcludeClipRect(dc, x, y, x + size.bmWidth, y + size.bmHeight);
    }
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
}
void Image::handleCommand(int code) {
    if (code == STN_CLICKED) fire(onClick);
}

// ---- Kind tests
bool isListBoxKind(const Component* c) {
    return dynamic_cast<const ListBox*>(c) || dynamic_cast<const ReportList*>(c);
}
bool isLabelKind(const Component* c) { return dynamic_cast<const Label*>(c); }
bool isButtonKind(const Component* c) { return dynamic_cast<const Button*>(c); }
bool isTabSheetKind(const Component* c) { return dynamic_cast<const TabSheet*>(c); }
bool isCheckBoxKind(const Component* c) { return dynamic_cast<const CheckBox*>(c); }
bool isGroupBoxKind(const Component* c) { return dynamic_cast<const GroupBox*>(c); }
bool isRadioButtonKind(const Component* c) { return dynamic_cast<const RadioButton*>(c); }
bool isMenuItemKind(const Component* c) { return dynamic_cast<const MenuItem*>(c); }
bool isEditKind(const Component* c) { return dynamic_cast<const Edit*>(c); }
bool isComboBoxKind(const Component* c) {
    return dynamic_cast<const ComboBox*>(c) && !dynamic_cast<const UniComboBox*>(c);
}
bool isMemoKind(const Component* c) { return dynamic_cast<const Memo*>(c); }

}  // namespace tk
