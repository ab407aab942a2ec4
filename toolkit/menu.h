#pragma once
// Pop-up menus whose items are named components of their form.
#include <functional>
#include <string>
#include <vector>

#include "toolkit/component.h"

namespace tk {

class PopupMenu;

class MenuItem : public Component {
public:
    MenuItem(Form* owner, std::string name, const std::string& caption);
    ~MenuItem() override;
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    void add(MenuItem* child);
    int id() const { return id_; }
    void* submenu() const { return submenu_; }
    std::function<void()> onClick;

    static MenuItem* fromId(int id);

private:
    friend class PopupMenu;
    void attach(void* menu);
    std::string caption_;
    bool enabled_ = true;
    int id_;
    void* parentMenu_ = nullptr;
    void* submenu_ = nullptr;
};

class PopupMenu : public Component {
public:
    PopupMenu(Form* owner, std::string name);
    ~PopupMenu() override;
    void add(MenuItem* item);
    // Shows the menu at the cursor, owned by the given window; runs the chosen item.
    void popup(void* ownerHwnd);
    // The next menu shown opens at this point of the screen rather than at the cursor.
    static void placeNextAt(int x, int y);
    std::function<void()> onPopup;
private:
    void* menu_;
};

}  // namespace tk
