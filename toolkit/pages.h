#pragma once
// The page control and its tab sheets (made in toolkit/pages.cpp).
#include <string>
#include <vector>

#include "toolkit/component.h"

namespace tk {

class TabSheet;
class PageControl : public Control {
public:
    PageControl(Form* owner, std::string name, Control* parent, Rect r);
    void addSheet(TabSheet* sheet, bool showTab);
    void setActive(TabSheet* sheet);
    TabSheet* active() const { return active_; }
    // Brings the tab step places on (or back) to the front, around the ends; the page shown.
    TabSheet* turn(int step);
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
    std::function<void()> onShown;   // each time the page comes to the front
protected:
    void realized() override;
private:
    PageControl* pages_;
    std::string caption_;
};

}  // namespace tk
