// Push buttons, check boxes and radio buttons.
#include "toolkit/buttons.h"

#include <vector>

#include "toolkit/form.h"

#include "toolkit/win.h"

namespace tk {
namespace {

using detail::hwndOf;

}  // namespace

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
    checkChanged();
}
void CheckMark::realized() {
    if (checked_) SendMessageW(hwndOf(this), BM_SETCHECK, BST_CHECKED, 0);
}
void CheckMark::handleCommand(int code) {
    if (code == BN_CLICKED) checkChanged();
    if (code == BN_CLICKED) fire(onClick);
}

CheckBox::CheckBox(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r)
    : CheckMark(owner, std::move(name), parent, caption, r, BS_AUTOCHECKBOX) {}

RadioButton::RadioButton(Form* owner, std::string name, Control* parent, const std::string& caption,
                         Rect r, bool firstOfGroup)
    : CheckMark(owner, std::move(name), parent, caption, r, BS_AUTORADIOBUTTON | (firstOfGroup ? WS_GROUP : 0)) {
    if (firstOfGroup) return;
    for (auto& c : owner->components())
        if (auto* radio = dynamic_cast<RadioButton*>(c.get()); radio && radio != this && radio->parent() == parent)
            first_ = radio->first_;
}

void RadioButton::realized() {
    CheckMark::realized();
    checkChanged();
}

void RadioButton::checkChanged() {
    std::vector<RadioButton*> group;
    bool anyChecked = false;
    for (auto& c : owner()->components())
        if (auto* radio = dynamic_cast<RadioButton*>(c.get()); radio && radio->first_ == first_) {
            group.push_back(radio);
            anyChecked = anyChecked || radio->checked();
        }
    for (RadioButton* radio : group) radio->setStyleBit(WS_TABSTOP, anyChecked ? radio->checked() : radio == first_);
}

}  // namespace tk
