#pragma once
// Text fields and drop-downs: one-line edits, memos and combo boxes.
#include <string>
#include <vector>

#include "toolkit/component.h"

namespace tk {

class Edit : public Control {
public:
    Edit(Form* owner, std::string name, Control* parent, const std::string& text, Rect r);
    void handleCommand(int code) override;
    std::function<void()> onChange;   // the text changed, typed or set
};

class Memo : public Control {
public:
    Memo(Form* owner, std::string name, Control* parent, const std::string& text, Rect r,
         bool readOnly);
};

// A drop-down list with an edit text (the text survives clearing the items).
class ComboBox : public Control {
public:
    ComboBox(Form* owner, std::string name, Control* parent, const std::string& text, Rect r,
             bool editable = true);
    std::string text() const override;
    void setText(const std::string& text) override;
    void clear();
    void add(const std::string& item);
    int count() const;
    std::string item(int i) const;
    int itemIndex() const;
    void setItemIndex(int i);
    void handleCommand(int code) override;
    std::function<void()> onChange;
    std::function<void()> onEnter;     // receives the focus
protected:
    ComboBox(Form* owner, std::string name) : Control(owner, std::move(name)) {}
    void build(Control* parent, const std::string& text, Rect r, bool editable);
    void realized() override;
    void giveListToWindow();
private:
    bool editable_ = true;
    bool listInWindow_ = false;
    std::vector<std::string> items_;   // until the window has the list
    int index_ = -1;
    std::string editText_;
    std::string rechoose_;   // a drop-down list's text while it is refilled
};

class UniComboBox : public ComboBox {
public:
    // Derives from ComboBox only for code reuse; isComboBoxKind() leaves it out of the translation.
    UniComboBox(Form* owner, std::string name, Control* parent, const std::string& text, Rect r,
                bool editable);
    void handleCommand(int code) override;
    bool autoComplete = false;
private:
    size_t lastLength_ = 0;
};

}  // namespace tk
