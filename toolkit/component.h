#pragma once
// The component model: every control has a component name and is owned by a form.
// Class derivation mirrors the kinds the translation pass tests for.
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tk {

class Form;

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
};

class Component {
public:
    Component(Form* owner, std::string name);
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    const std::string& name() const { return name_; }
    Form* owner() const { return owner_; }
    const std::string& hint() const { return hint_; }
    virtual void setHint(const std::string& text) { hint_ = text; }

private:
    Form* owner_;
    std::string name_;
    std::string hint_;
};

// A component with a window of its own.
class Control : public Component {
public:
    Control(Form* owner, std::string name);
    ~Control() override;

    void* handle() const { return handle_; }
    virtual std::string text() const;
    virtual void setText(const std::string& text);
    bool enabled() const;
    void setEnabled(bool on);
    bool visible() const;
    void setVisible(bool on);
    void setBounds(Rect r);
    Rect bounds() const;
    Rect clientRect() const;
    void setFocus();
    void redrawAll();   // repaints the control and all its children
    void setHint(const std::string& text) override;
    void setFont(void* font);
    void setColor(unsigned long bgr);   // background; 0xFFFFFFFF = system default
    void setTextColor(unsigned long bgr);
    unsigned long color() const { return color_; }
    unsigned long textColor() const { return textColor_; }

    std::function<void()> onClick;
    std::function<void()> onContextMenu;

    // Routed from the parent window's procedure.
    virtual void handleCommand(int code);
    virtual long long handleNotify(void* nmhdr);
    virtual bool handleDrawItem(void* dis) { (void)dis; return false; }
    virtual void* handleColor(void* hdc);

    static Control* fromHandle(void* hwnd);

protected:
    // Creates the window; parent may be null for top-level forms.
    void create(const wchar_t* cls, unsigned long style, unsigned long exStyle, Control* parent,
                const std::string& text, Rect r);
    void fire(const std::function<void()>& handler);
    void* handle_ = nullptr;
    unsigned long color_ = 0xFFFFFFFF;
    unsigned long textColor_ = 0xFFFFFFFF;
    void* brush_ = nullptr;
};

// Holds a control's painting off while it lives (its children included), then repaints it once.
class RedrawPause {
public:
    explicit RedrawPause(Control* c);
    ~RedrawPause();
    RedrawPause(const RedrawPause&) = delete;
    RedrawPause& operator=(const RedrawPause&) = delete;
private:
    Control* control_;
    bool wasVisible_;
};

// Runs an event handler; an error it raises is shown in the error box and goes no further.
void runHandler(const std::function<void()>& handler);

}  // namespace tk
