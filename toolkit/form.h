#pragma once
// Top-level windows and the application object with its screen form list.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/component.h"
#include "toolkit/window_styles.h"

namespace tk {

class Form : public Control {
public:
    // className is also the window class ("TMainForm"); name is the component name ("MainForm").
    Form(const std::string& className, const std::string& name, Rect clientArea, unsigned long style);
    ~Form() override;

    // Creates and owns a component of this form; components keep their creation order.
    template <class T, class... Args>
    T* make(Args&&... args) {
        auto c = std::make_unique<T>(this, std::forward<Args>(args)...);
        T* raw = c.get();
        components_.push_back(std::move(c));
        return raw;
    }
    const std::vector<std::unique_ptr<Component>>& components() const { return components_; }
    Component* find(const std::string& name) const;

    void show();
    void showMaximized();
    void hide();
    void showModal();             // returns when the form is hidden or closed
    void close();                 // the close box: the main form ends the program
    void centre();
    void setStyleBits(unsigned long remove);
    void setCaption(const std::string& text) { setText(text); }
    Rect clientRect() const;
    std::string caption() const { return text(); }

    // Puts every control where its design bounds and anchors say for the present client size and
    // screen DPI; runs on every resize, before onResize.
    void placeControls();
    // The smallest client area the window may have, at 96 dots per inch; a window made smaller
    // (the system fits new windows to the screen) grows to it.
    void setMinimumClientSize(Size design);
    void limitTracking(void* minMaxInfo) const;

    // Tooltips: one tool per control with a hint; balloon style once switched.
    void registerHint(Control* c);
    void setBalloonHints(bool on);

    bool onScreen() const;
    // Makes the windows of the controls that show now: those marked visible whose containers
    // are made and visible. The rest wait until they come on screen or are asked for.
    void makeShowingWindows();

    std::function<void()> onShow;
    std::function<void()> onShowing;   // just before the window comes on screen
    std::function<void()> onClose;
    std::function<void(int key)> onKeyDown;   // sees keys before the focused control
    std::function<void()> onResize;
    // Return true when the message was consumed.
    std::function<bool(unsigned msg, uintptr_t wp, intptr_t lp, intptr_t& result)> onMessage;

    bool isMain = false;
    bool modalRunning = false;

private:
    void rebuildTooltip();
    std::optional<Rect> comingClient_;
    Size minimumClient_;   // the size a maximized showing is about to give
    std::vector<std::unique_ptr<Component>> components_;
    void* tooltip_ = nullptr;
    bool balloon_ = false;
};

class Application {
public:
    static Application& instance();
    std::string title = "";
    std::string helpFile;
    std::vector<Form*> forms;      // creation order; every open window of the program
    void* mainWindow() const;
    // Shows the main window maximized and paints it at once (unless the program is ending).
    void showMain(Form& main);
    int run(Form& main);   // shows the main window if it is not yet on screen
    void processMessages();
    void terminate();
    // The balloon tooltips of every window, those made later included.
    void setBalloonHints(bool on);
    bool balloonHints() const { return balloonHints_; }
    bool terminated() const { return terminated_; }
    // Module handle and icon for windows and the tray.
    void* instanceHandle() const;
    void* icon() const;

private:
    bool terminated_ = false;
    bool balloonHints_ = false;
};

}  // namespace tk
