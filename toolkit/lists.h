#pragma once
// List boxes: plain, drawn from memory, Unicode, and with a check mark per row.
#include <string>
#include <vector>

#include "toolkit/component.h"

namespace tk {

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
    bool enterKey() override;   // Enter does what a double-click does
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
    bool enterKey() override;   // Enter does what a double-click does
    std::function<void()> onDblClick;
    // What a row's check mark means, told to a screen reader with each checked row.
    std::function<std::string()> markMeaning;
protected:
    void realized() override;
};

}  // namespace tk
