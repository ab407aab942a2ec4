#pragma once
// The component model: every control has a component name and is owned by a form.
// Class derivation mirrors the kinds the translation pass tests for.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/anchors.h"

namespace tk {

class Form;

// The system's dots per inch, which every design length is scaled by (96 = 100 %).
int screenDpi();
inline int scaled(int designLength) { return scaled(designLength, screenDpi()); }

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

// A component with a window of its own. The window is made when it is first needed: when the
// control comes on screen or something asks for its handle. Until then the control keeps its
// text, bounds, visibility, font and the like itself, and hands them to the window it makes.
class Control : public Component {
public:
    Control(Form* owner, std::string name);
    ~Control() override;

    void* handle() const;   // makes the window if it does not exist yet
    bool hasHandle() const { return handle_ != nullptr; }
    // Drawn and clicked through its container, without a window of its own.
    bool windowless() const { return windowless_; }
    int id() const { return id_; }
    Control* parent() const { return parent_; }
    virtual std::string text() const;
    virtual void setText(const std::string& text);
    bool enabled() const;
    void setEnabled(bool on);
    bool visible() const;
    void setVisible(bool on);
    void setBounds(Rect r);   // in pixels; the next placing puts it back where declared
    Rect bounds() const;
    // Declared layout: bounds at 96 dots per inch (given on creation) and the parent's edges the
    // control keeps its distance to (top and left unless told). A container's design size is
    // what its children's distances are measured in. The form places them all (Form::placeControls).
    Rect designBounds() const { return design_; }
    void setDesignBounds(Rect design) { design_ = design; }
    unsigned anchors() const { return anchors_; }
    void setAnchors(unsigned anchors) { anchors_ = anchors; }
    Size designSize() const { return designSize_; }
    void setDesignSize(Size s) { designSize_ = s; }
    // Runs after the form has placed the control: a container of its own kind places its parts.
    virtual void arranged() {}
    // The cursor over a control its container draws: true for the hand of a link.
    virtual bool handCursor() const { return false; }
    Rect clientRect() const;
    void setFocus();
    void redrawAll();   // repaints the control and all its children
    void setHint(const std::string& text) override;
    // A control may keep a hint text (a translation sets it) without showing it as a tooltip;
    // told before its window is made.
    bool showsHint() const { return showsHint_; }
    void setShowHint(bool on) { showsHint_ = on; }
    void setFont(void* font);
    void* font() const;   // the font it is drawn with
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

    // Its place in the tab order among its siblings: creation order unless declared
    // (tk::setTabOrder in toolkit/keyboard.h).
    int tabKey() const { return tabKey_ ? tabKey_ : id_; }
    void setTabKey(int key) { tabKey_ = key; }
    void placeInTabOrder() { placeAmongSiblings(); }
    // A control its container would draw gets a window of its own that the keyboard reaches
    // (a tab stop that shows its focus); it is drawn and clicked as before. Told before its
    // window is made.
    void makeFocusable();
    // Enter on the focused control: true when it did something with it.
    virtual bool enterKey() { return false; }

    // A container draws its windowless controls in its own paint, in creation order.
    const std::vector<Control*>& windowlessChildren() const { return windowlessChildren_; }
    virtual void paint(void* hdc) { (void)hdc; }

protected:
    // Describes the window; parent may be null for top-level forms. The window itself is made
    // by handle() or when the control comes on screen.
    void create(const wchar_t* cls, unsigned long style, unsigned long exStyle, Control* parent,
                const std::string& text, Rect r);
    // A control its container draws: it never gets a window of its own.
    void createWindowless(Control* parent, unsigned long style, const std::string& text, Rect r);
    unsigned long style() const { return style_; }
    void setStyleBit(unsigned long bit, bool on);   // on the window too, once it exists
    // Its part of the container is drawn again.
    void invalidate();
    // Inside a pause a windowless control's change waits for the pause's one repaint (the flag
    // says what waits); outside one its part of the container is drawn again.
    void redrawWhenFree(bool& pending);
    // Runs once the window exists: hands it what was set on the control before.
    virtual void realized() {}
    void fire(const std::function<void()>& handler);
    // Buttons, check marks and group boxes keep their text as the window's own text and draw it
    // when painted.
    bool plainTextWindow_ = false;
    // A group box lies beneath the controls it frames and takes no part in the tab order.
    bool beneathSiblings_ = false;
    unsigned long color_ = 0xFFFFFFFF;
    unsigned long textColor_ = 0xFFFFFFFF;
    void* brush_ = nullptr;

private:
    void makeWindow();
    void declare(Rect design);
    void placeAmongSiblings();
    void* handle_ = nullptr;
    Control* parent_ = nullptr;
    bool windowless_ = false;
    std::vector<Control*> windowlessChildren_;   // they live as long as their container
    std::wstring class_;
    unsigned long style_ = 0;
    unsigned long exStyle_ = 0;
    int id_ = 0;
    int tabKey_ = 0;
    std::string text_;
    Rect rect_;
    Rect design_;
    Size designSize_;
    unsigned anchors_ = kAnchorTopLeft;
    bool showsHint_ = true;
    void* font_ = nullptr;
    // While a pause holds a container, its labels and buttons keep new texts and enabled states
    // here and their windows get them, once each, when the pause ends.
    int pauses_ = 0;
    bool textPending_ = false;
    bool enabledPending_ = false;
    bool insidePause() const;
    bool applyPending();
    friend class RedrawPause;
};

// Holds a control's painting off while it lives (its children included), then repaints it once.
// Texts and enabled states given to the labels and buttons inside meanwhile reach their windows
// at the end. Without holding the painting (a cheaper switch under Wine), only those wait and
// the control is repainted once if any of them changed.
class RedrawPause {
public:
    explicit RedrawPause(Control* c, bool holdPainting = true);
    ~RedrawPause();
    RedrawPause(const RedrawPause&) = delete;
    RedrawPause& operator=(const RedrawPause&) = delete;
private:
    Control* control_;
    bool holdPainting_;
    bool wasVisible_;
};

// Gives a control its anchors where it is made: x = anchor(make<Button>(...), kAnchorTopRight);
template <class T>
T* anchor(T* control, unsigned anchors) {
    control->setAnchors(anchors);
    return control;
}

// Runs an event handler; an error it raises is shown in the error box and goes no further.
void runHandler(const std::function<void()>& handler);

}  // namespace tk
