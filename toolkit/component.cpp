#include "toolkit/component.h"

#include <stdexcept>
#include <unordered_map>

#include "toolkit/dialogs.h"
#include "toolkit/form.h"
#include "toolkit/text.h"
#include "toolkit/win.h"

namespace tk {

namespace detail {

HWND hwndOf(const Control* c) { return static_cast<HWND>(c->handle()); }

HFONT defaultFont() {
    static HFONT font = [] {
        NONCLIENTMETRICSW m{};
        m.cbSize = sizeof m;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0);
        return CreateFontIndirectW(&m.lfMessageFont);
    }();
    return font;
}

// The control of each window of the program. Kept in the process rather than as a window
// property: every routed message asks for it, and a property costs a call to the window server.
std::unordered_map<HWND, Control*>& controlsByWindow() {
    static std::unordered_map<HWND, Control*> controls;
    return controls;
}

int nextControlId() {
    static int id = 1000;
    return ++id;
}

LRESULT CALLBACK containerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (routeChildMessage(hwnd, msg, wp, lp, result)) return result;
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wp), &r, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void registerContainerClass() {
    static bool done = false;
    if (done) return;
    WNDCLASSW wc{};
    wc.lpfnWndProc = containerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kContainerClass;
    RegisterClassW(&wc);
    done = true;
}

}  // namespace detail

int screenDpi() {
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int found = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return found > 0 ? found : kDesignDpi;
    }();
    return dpi;
}

Component::Component(Form* owner, std::string name) : owner_(owner), name_(std::move(name)) {}
Component::~Component() = default;

Control::Control(Form* owner, std::string name) : Component(owner, std::move(name)) {}

Control::~Control() {
    HWND h = static_cast<HWND>(handle_);
    if (h) {
        detail::controlsByWindow().erase(h);
        if (IsWindow(h)) DestroyWindow(h);
    }
    if (brush_) DeleteObject(static_cast<HBRUSH>(brush_));
}

void Control::create(const wchar_t* cls, unsigned long style, unsigned long exStyle, Control* parent,
                     const std::string& text, Rect r) {
    detail::registerContainerClass();
    parent_ = parent;
    class_ = cls;
    style_ = parent ? style | WS_CHILD : style;
    exStyle_ = exStyle;
    id_ = parent ? detail::nextControlId() : 0;
    text_ = text;
    declare(r);
}

// A child starts at its design bounds scaled to the screen: its parent is made at its design
// size, so that is where its anchors would put it.
void Control::declare(Rect design) {
    design_ = design;
    designSize_ = {design.w, design.h};
    rect_ = parent_ ? scaled(design, screenDpi()) : design;
}

void Control::createWindowless(Control* parent, unsigned long style, const std::string& text, Rect r) {
    if (!parent) throw std::logic_error(name() + " needs a container to draw it");
    windowless_ = true;
    parent_ = parent;
    style_ = style;
    id_ = detail::nextControlId();
    text_ = text;
    declare(r);
    parent->windowlessChildren_.push_back(this);
}

void Control::invalidate() {
    if (!parent_ || !parent_->handle_) return;
    RECT r{rect_.x, rect_.y, rect_.x + rect_.w, rect_.y + rect_.h};
    InvalidateRect(static_cast<HWND>(parent_->handle_), &r, TRUE);
}

void Control::redrawWhenFree(bool& pending) {
    if (insidePause())
        pending = true;
    else
        invalidate();
}

void* Control::handle() const {
    if (windowless_) throw std::logic_error(name() + " is drawn by its container and has no window");
    if (!handle_) const_cast<Control*>(this)->makeWindow();
    return handle_;
}

void Control::makeWindow() {
    if (class_.empty()) throw std::logic_error("Window of " + name() + " used before it was described");
    HWND parentHwnd = parent_ ? static_cast<HWND>(parent_->handle()) : nullptr;
    HMENU id = parent_ ? reinterpret_cast<HMENU>(intptr_t(id_)) : nullptr;
    HWND h = CreateWindowExW(exStyle_, class_.c_str(), widen(text_).c_str(), style_, rect_.x, rect_.y, rect_.w,
                             rect_.h, parentHwnd, id, GetModuleHandleW(nullptr), nullptr);
    if (!h) throw std::runtime_error("Error creating window " + name());
    handle_ = h;
    detail::controlsByWindow()[h] = this;
    SendMessageW(h, WM_SETFONT, WPARAM(font_ ? font_ : detail::defaultFont()), FALSE);
    if (parent_) placeAmongSiblings();
    realized();
    if (!hint().empty() && owner()) owner()->registerHint(this);
    for (Control* c : windowlessChildren_)
        if (!c->hint().empty()) c->owner()->registerHint(c);
}

// Siblings stack in creation order (the first made on top, as the tab order goes). A window
// made after a younger sibling's goes right below the nearest older sibling that exists.
void Control::placeAmongSiblings() {
    HWND above = HWND_TOP;
    bool seenSelf = false, youngerExists = false;
    for (auto& c : owner()->components()) {
        auto* sibling = dynamic_cast<Control*>(c.get());
        if (!sibling || sibling->parent_ != parent_ || !sibling->handle_) continue;
        if (sibling == this) {
            seenSelf = true;
        } else if (!seenSelf) {
            above = static_cast<HWND>(sibling->handle_);
        } else {
            youngerExists = true;
            break;
        }
    }
    if (youngerExists)
        SetWindowPos(static_cast<HWND>(handle_), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

Control* Control::fromHandle(void* hwnd) {
    if (!hwnd) return nullptr;
    const auto& controls = detail::controlsByWindow();
    const auto found = controls.find(static_cast<HWND>(hwnd));
    return found == controls.end() ? nullptr : found->second;
}

std::string Control::text() const {
    if (!handle_ || textPending_) return text_;
    HWND h = static_cast<HWND>(handle_);
    int n = GetWindowTextLengthW(h);
    std::wstring buf(size_t(n) + 1, L'\0');
    GetWindowTextW(h, buf.data(), n + 1);
    buf.resize(size_t(n));
    return narrow(buf);
}

// An unchanged text is not set again: a visible control would repaint for nothing.
void Control::setText(const std::string& text) {
    if (windowless_) {
        if (text == text_) return;
        text_ = text;
        redrawWhenFree(textPending_);
        return;
    }
    if (!handle_) {
        text_ = text;
        return;
    }
    if (text == Control::text()) return;
    if (plainTextWindow_ && insidePause()) {
        text_ = text;
        textPending_ = true;
        return;
    }
    HWND h = static_cast<HWND>(handle_);
    const std::wstring wide = widen(text);
    if (plainTextWindow_ && IsWindowVisible(h)) {
        // A button or the like on screen would repaint at once for every new text; it takes the
        // text as its window text and repaints with the next paint, once for all changes.
        DefWindowProcW(h, WM_SETTEXT, 0, LPARAM(wide.c_str()));
        InvalidateRect(h, nullptr, TRUE);
        return;
    }
    SetWindowTextW(h, wide.c_str());
}

bool Control::enabled() const {
    if (handle_ && !enabledPending_) return IsWindowEnabled(static_cast<HWND>(handle_));
    return !(style_ & WS_DISABLED);
}

void Control::setEnabled(bool on) {
    style_ = on ? style_ & ~WS_DISABLED : style_ | WS_DISABLED;
    if (windowless_) redrawWhenFree(enabledPending_);
    if (!handle_) return;
    if (plainTextWindow_ && insidePause())
        enabledPending_ = true;
    else
        EnableWindow(static_cast<HWND>(handle_), on);
}

bool Control::visible() const {
    return (handle_ ? GetWindowLongW(static_cast<HWND>(handle_), GWL_STYLE) : style_) & WS_VISIBLE;
}

void Control::setVisible(bool on) {
    style_ = on ? style_ | WS_VISIBLE : style_ & ~WS_VISIBLE;
    if (windowless_) invalidate();
    if (handle_) ShowWindow(static_cast<HWND>(handle_), on ? SW_SHOW : SW_HIDE);
    if (on && owner() && owner()->onScreen()) owner()->makeShowingWindows();
}

bool Control::insidePause() const {
    for (const Control* c = this; c; c = c->parent_)
        if (c->pauses_) return true;
    return false;
}

// The window text is set without the control's own painting; the pause repaints the
// container once. True when something was applied.
bool Control::applyPending() {
    if (insidePause()) return false;
    HWND h = static_cast<HWND>(handle_);
    if (textPending_ && h) DefWindowProcW(h, WM_SETTEXT, 0, LPARAM(widen(text_).c_str()));
    if (enabledPending_ && h) EnableWindow(h, !(style_ & WS_DISABLED));
    textPending_ = enabledPending_ = false;
    return true;
}

RedrawPause::RedrawPause(Control* c, bool holdPainting)
    : control_(c), holdPainting_(holdPainting), wasVisible_(c->hasHandle() && c->visible()) {
    ++c->pauses_;
    if (holdPainting_ && wasVisible_) SendMessageW(static_cast<HWND>(c->handle()), WM_SETREDRAW, FALSE, 0);
}

RedrawPause::~RedrawPause() {
    --control_->pauses_;
    Form* form = control_->owner() ? control_->owner() : dynamic_cast<Form*>(control_);
    bool changed = false;
    if (form)
        for (auto& c : form->components())
            if (auto* ctl = dynamic_cast<Control*>(c.get()); ctl && (ctl->textPending_ || ctl->enabledPending_))
                changed = ctl->applyPending() || changed;
    if (holdPainting_ && wasVisible_) {
        SendMessageW(static_cast<HWND>(control_->handle()), WM_SETREDRAW, TRUE, 0);
        control_->redrawAll();
    } else if (changed && wasVisible_) {
        control_->redrawAll();
    }
}

void Control::redrawAll() {
    if (windowless_) invalidate();
    if (handle_)
        RedrawWindow(static_cast<HWND>(handle_), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
void Control::setFocus() {
    if (!windowless_) SetFocus(static_cast<HWND>(handle()));
}

// A control is moved only by its program, so a child asked for the bounds it was last given
// stays where it is: moving a window on screen costs a repaint even when nothing changes.
void Control::setBounds(Rect r) {
    const bool same = r.x == rect_.x && r.y == rect_.y && r.w == rect_.w && r.h == rect_.h;
    if (windowless_ && !same) {
        invalidate();
        rect_ = r;
        invalidate();
        if (!hint().empty() && owner()) owner()->registerHint(this);
        return;
    }
    rect_ = r;
    if (handle_ && !(same && parent_)) MoveWindow(static_cast<HWND>(handle_), r.x, r.y, r.w, r.h, TRUE);
}

Rect Control::bounds() const {
    if (!handle_) return rect_;
    HWND h = static_cast<HWND>(handle_);
    RECT wr;
    GetWindowRect(h, &wr);
    POINT p{wr.left, wr.top};
    if (HWND parent = GetParent(h)) ScreenToClient(parent, &p);
    return {p.x, p.y, wr.right - wr.left, wr.bottom - wr.top};
}

Rect Control::clientRect() const {
    if (windowless_) return {0, 0, rect_.w, rect_.h};
    RECT r;
    GetClientRect(static_cast<HWND>(handle()), &r);
    return {0, 0, int(r.right), int(r.bottom)};
}

// A control without a window gets its tooltip when the window is made.
void Control::setHint(const std::string& text) {
    Component::setHint(text);
    if (owner() && (handle_ || windowless_)) owner()->registerHint(this);
}

void Control::setFont(void* font) {
    font_ = font;
    if (windowless_) invalidate();
    if (!handle_) return;
    SendMessageW(static_cast<HWND>(handle_), WM_SETFONT, WPARAM(font), TRUE);
    InvalidateRect(static_cast<HWND>(handle_), nullptr, TRUE);
}

void* Control::font() const { return font_ ? font_ : detail::defaultFont(); }

void Control::setColor(unsigned long bgr) {
    color_ = bgr;
    if (brush_) DeleteObject(static_cast<HBRUSH>(brush_));
    brush_ = bgr == 0xFFFFFFFF ? nullptr : CreateSolidBrush(bgr);
    if (windowless_) invalidate();
    if (handle_) InvalidateRect(static_cast<HWND>(handle_), nullptr, TRUE);
}

void Control::setTextColor(unsigned long bgr) {
    textColor_ = bgr;
    if (windowless_) invalidate();
    if (handle_) InvalidateRect(static_cast<HWND>(handle_), nullptr, TRUE);
}

void* Control::handleColor(void* hdc) {
    if (!brush_ && textColor_ == 0xFFFFFFFF) return nullptr;
    HDC dc = static_cast<HDC>(hdc);
    if (textColor_ != 0xFFFFFFFF) SetTextColor(dc, textColor_);
    if (brush_) {
        SetBkColor(dc, color_);
        return brush_;
    }
    SetBkMode(dc, TRANSPARENT);
    return GetSysColorBrush(COLOR_BTNFACE);
}

void Control::handleCommand(int) {}
long long Control::handleNotify(void*) { return 0; }

void Control::fire(const std::function<void()>& handler) { runHandler(handler); }

void runHandler(const std::function<void()>& handler) {
    if (!handler) return;
    try {
        handler();
    } catch (const std::exception& e) {
        dialogs().error(errorBoxText(e.what()));
    } catch (...) {
        dialogs().error("Unknown error.");
    }
}

}  // namespace tk
