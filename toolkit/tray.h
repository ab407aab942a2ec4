#pragma once
// The notification-area icon.
#include <functional>
#include <string>

#include "toolkit/component.h"

namespace tk {

class PopupMenu;

class TrayIcon : public Component {
public:
    TrayIcon(Form* owner, std::string name, const std::string& tip, PopupMenu* menu);
    ~TrayIcon() override;
    bool active() const { return active_; }
    void setActive(bool on);
    // A balloon over the icon (information icon); nothing when the icon is not shown.
    void showBalloon(const std::string& title, const std::string& text);
    const std::string& lastBalloon() const { return lastBalloon_; }
    // Called by the owner form for its tray callback message.
    void handleCallback(unsigned long mouseMessage);
    static constexpr unsigned kCallbackMessage = 0x8000 + 77;   // WM_APP + 77
private:
    std::string tip_;
    PopupMenu* menu_;
    bool active_ = false;
    std::string lastBalloon_;
};

}  // namespace tk
