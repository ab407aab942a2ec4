#pragma once
// Push buttons and the check marks: check boxes and radio buttons.
#include <string>

#include "toolkit/component.h"

namespace tk {

class Button : public Control {
public:
    Button(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r);
    void click();
    void handleCommand(int code) override;
protected:
    Button(Form* owner, std::string name) : Control(owner, std::move(name)) {}
};
class BitBtn : public Button { using Button::Button; };
class UniButton : public Button { using Button::Button; };

// What check boxes and radio buttons share; neither kind is the other.
class CheckMark : public Control {
public:
    bool checked() const;
    void setChecked(bool on);
    void handleCommand(int code) override;
protected:
    virtual void checkChanged() {}
    CheckMark(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r,
              unsigned long buttonStyle);
    void realized() override;
private:
    bool checked_ = false;   // until the window exists
};

class CheckBox : public CheckMark {
public:
    CheckBox(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r);
};

// A group of radio buttons is one tab stop: the checked button, or the group's first while none
// is; the arrows move within the group.
class RadioButton : public CheckMark {
public:
    RadioButton(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r,
                bool firstOfGroup = false);
protected:
    void realized() override;
    void checkChanged() override;
private:
    RadioButton* first_ = this;   // of its group
};

}  // namespace tk
