#pragma once
// Containers and bars: group boxes, panels and the status bar.
#include <string>
#include <vector>

#include "toolkit/component.h"

namespace tk {

class GroupBox : public Control {
public:
    GroupBox(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r);
protected:
    void realized() override;
};

// Plain container (not translatable).
class Panel : public Control {
public:
    Panel(Form* owner, std::string name, Control* parent, Rect r);
};
class UniPanel : public Panel { using Panel::Panel; };

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

}  // namespace tk
