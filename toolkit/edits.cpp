// Edits, memos and combo boxes, whose list waits in memory until the window needs it.
#include "toolkit/edits.h"

#include "toolkit/list_rows.h"
#include "toolkit/text.h"
#include "toolkit/win.h"

namespace tk {
namespace {

using detail::hwndOf;

using detail::listText;
using detail::RowBatch;

}  // namespace

// ---- Edit, Memo
Edit::Edit(Form* owner, std::string name, Control* parent, const std::string& text, Rect r)
    : Control(owner, std::move(name)) {
    create(L"EDIT", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, parent, text, r);
}

void Edit::handleCommand(int code) {
    if (code == EN_CHANGE) fire(onChange);
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

// The edit text survives a refill. A drop-down list has no text but its chosen item, so it
// chooses again the item of that text when the refill brings it back.
void ComboBox::clear() {
    std::string keep = text();
    if (!listInWindow_) {
        items_.clear();
        index_ = -1;
    } else {
        SendMessageW(hwndOf(this), CB_RESETCONTENT, 0, 0);
        if (editable_) setText(keep);
    }
    if (!editable_) rechoose_ = keep;
}
void ComboBox::add(const std::string& item) {
    if (listInWindow_)
        SendMessageW(hwndOf(this), CB_ADDSTRING, 0, LPARAM(widen(item).c_str()));
    else
        items_.push_back(item);
    if (!rechoose_.empty() && item == rechoose_) setItemIndex(count() - 1);
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
    rechoose_.clear();
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

}  // namespace tk
