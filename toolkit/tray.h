#pragma once
// The notification-area icon.
#include <functional>
#include <string>

#include "toolkit/component.h"
#include "toolkit/messages.h"

namespace tk {

class PopupMenu;

class TrayIcon : public Component {
public:
    TrayIcon(Form* owner, std::string name, const std::string& tip, PopupMenu* menu);
    ~TrayIcon() override;
    bool active() const { return active_; }
    // False when the shell would not take the icon: it then stays inactive.
    bool setActive(bool on);
    // Adds the icon again after the shell started anew with an empty notification area; false
    // (and inactive) when the shell would not take it.
    bool restore();
    // A balloon over the icon (information icon); nothing when the icon is not shown.
    void showBalloon(const std::string& title, const std::string& text);
    const std::string& lastBalloon() const { return lastBalloon_; }
    // Called by the owner form for its tray callback message.
    void handleCallback(unsigned long mouseMessage);
    static constexpr unsigned kCallbackMessage = kTrayCallbackMessage;
    // The shell's "TaskbarCreated" broadcast, sent to every top-level window when it starts.
    static unsigned taskbarCreatedMessage();

    // The shell call (NIM_* command, NOTIFYICONDATAW*), replaceable so that tests can make it
    // fail; an empty function restores the shell's own.
    using Notifier = std::function<bool(unsigned long command, void* data)>;
    static void setNotifier(Notifier notifier);

private:
    bool add();
    std::string tip_;
    PopupMenu* menu_;
    bool active_ = false;
    std::string lastBalloon_;
};

}  // namespace tk
