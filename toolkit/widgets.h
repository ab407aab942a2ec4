#pragma once
// The control kinds. Unicode variants of label, list box, combo box, check list box and panel
// deliberately derive from none of the translatable kinds.
#include <string>
#include <vector>

#include "toolkit/component.h"

namespace tk {

class Label : public Control {
public:
    Label(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r,
          bool rightAlign = false);
    void setLink(bool on) { link_ = on; }
    bool handCursor() const override { return link_; }
    void setBold(bool on);
    void* handleColor(void* hdc) override;
    void handleCommand(int code) override;
    void paint(void* hdc) override;
private:
    bool link_ = false;
};

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

class RadioButton : public CheckMark {
public:
    RadioButton(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r,
                bool firstOfGroup = false);
};

class GroupBox : public Control {
public:
    GroupBox(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r);
protected:
    void realized() override;
};

class Edit : public Control {
public:
    Edit(Form* owner, std::string name, Control* parent, const std::string& text, Rect r);
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
};

class ListBox : public Control {
public:
    ListBox(Form* owner, std::string name, Control* parent, Rect r);
    void clear();
    void add(const std::string& item);
    int count() const;
    std::string item(int i) const;
    int itemIndex() const;
    void setItemIndex(int i);
    void handleCommand(int code) override;
    std::function<void()> onDblClick;
protected:
    ListBox(Form* owner, std::string name) : Control(owner, std::move(name)) {}
};

// A list box that draws its lines from memory: appending costs no window resources.
class VirtualListBox : public ListBox {
public:
    VirtualListBox(Form* owner, std::string name, Control* parent, Rect r);
    ~VirtualListBox() override;
    void clear();
    void add(const std::string& line);
    int count() const { return int(lines_.size()); }
    const std::string& line(int i) const { return lines_[size_t(i)]; }
    const std::vector<std::string>& lines() const { return lines_; }
    bool handleDrawItem(void* dis) override;
    void flush();   // brings the window's count up to date
protected:
    void realized() override;
private:
    std::vector<std::string> lines_;
    bool dirty_ = false;
};

class TabSheet;
class PageControl : public Control {
public:
    PageControl(Form* owner, std::string name, Control* parent, Rect r);
    void addSheet(TabSheet* sheet, bool showTab);
    void setActive(TabSheet* sheet);
    TabSheet* active() const { return active_; }
    long long handleNotify(void* nmhdr) override;
    void layout();
    void arranged() override { layout(); }
    void updateTab(TabSheet* sheet);
    std::function<void()> onEnter;
protected:
    void realized() override;
private:
    void sendTab(unsigned message, TabSheet* sheet, size_t at);
    void selectTab();
    std::vector<TabSheet*> sheets_;
    std::vector<TabSheet*> tabs_;
    TabSheet* active_ = nullptr;
};

// A page of a PageControl; its text is the tab caption. Also a container for controls.
class TabSheet : public Control {
public:
    TabSheet(Form* owner, std::string name, PageControl* pages, const std::string& caption);
    std::string text() const override { return caption_; }
    void setText(const std::string& text) override;
protected:
    void realized() override;
private:
    PageControl* pages_;
    std::string caption_;
};

// Plain container (not translatable).
class Panel : public Control {
public:
    Panel(Form* owner, std::string name, Control* parent, Rect r);
};
class UniPanel : public Panel { using Panel::Panel; };

class UniLabel : public Control {
public:
    UniLabel(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r);
    void paint(void* hdc) override;
};

class UniListBox : public Control {
public:
    UniListBox(Form* owner, std::string name, Control* parent, Rect r);
    void clear();
    void add(const std::string& item);
    int count() const;
    std::string item(int i) const;
    int itemIndex() const;
    void setItemIndex(int i);
    void handleCommand(int code) override;
protected:
    void realized() override;
};

class UniComboBox : public ComboBox {
public:
    // Derives from ComboBox only for code reuse; isTranslatable() tells the truth.
    UniComboBox(Form* owner, std::string name, Control* parent, const std::string& text, Rect r,
                bool editable);
    void handleCommand(int code) override;
    bool autoComplete = false;
private:
    size_t lastLength_ = 0;
};

// Owner-drawn list with a check mark per row.
class UniCheckListBox : public Control {
public:
    UniCheckListBox(Form* owner, std::string name, Control* parent, Rect r);
    void clear();
    void add(const std::string& item, bool checked = false);
    void addAll(const std::vector<std::string>& items);   // unchecked, painted once
    int count() const;
    std::string item(int i) const;
    int itemIndex() const;
    void setItemIndex(int i);
    bool checked(int i) const;
    void setChecked(int i, bool on);
    void handleCommand(int code) override;
    bool handleDrawItem(void* dis) override;
    std::function<void()> onDblClick;
protected:
    void realized() override;
};

class StatusBar : public Control {
public:
    StatusBar(Form* owner, std::string name, Control* parent, std::vector<int> widths);
    void setPanelText(int panel, const std::string& text);
    std::string panelText(int panel) const;
protected:
    void realized() override;
private:
    std::vector<int> edges_;
};

// A picture: shows a DIB section given as a bitmap handle.
class Image : public Control {
public:
    Image(Form* owner, std::string name, Control* parent, Rect r);
    void setBitmap(void* hbitmap);   // takes ownership; null clears
    void* bitmap() const { return bitmap_; }
    ~Image() override;
    void handleCommand(int code) override;
    void paint(void* hdc) override;
private:
    void* bitmap_ = nullptr;
};

// Translatable kind tests, in the order the pass checks them. Unicode classes answer false.
bool isListBoxKind(const Component* c);
bool isLabelKind(const Component* c);
bool isButtonKind(const Component* c);
bool isTabSheetKind(const Component* c);
bool isCheckBoxKind(const Component* c);
bool isGroupBoxKind(const Component* c);
bool isRadioButtonKind(const Component* c);
bool isMenuItemKind(const Component* c);
bool isEditKind(const Component* c);
bool isComboBoxKind(const Component* c);
bool isMemoKind(const Component* c);

}  // namespace tk
