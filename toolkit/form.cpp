#include "toolkit/form.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "toolkit/dialogs.h"
#include "toolkit/messages.h"
#include "toolkit/menu.h"
#include "toolkit/text.h"
#include "toolkit/tray.h"
#include "toolkit/widgets.h"
#include "toolkit/win.h"

namespace tk {

static_assert(kApplicationMessageBase == WM_APP, "private messages start at WM_APP");
static_assert(kStyleCaption == WS_CAPTION && kStyleSystemMenu == WS_SYSMENU && kStyleSizingFrame == WS_THICKFRAME &&
              kStyleMinimizeBox == WS_MINIMIZEBOX && kStyleMaximizeBox == WS_MAXIMIZEBOX &&
              kStyleOverlappedWindow == WS_OVERLAPPEDWINDOW, "the named styles are the system's");

namespace detail {

static std::vector<VirtualListBox*>& dirtyLists() {
    static std::vector<VirtualListBox*> lists;
    return lists;
}

void markDirty(VirtualListBox* list) {
    dirtyLists().push_back(list);
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void forgetDirty(VirtualListBox* list) {
    auto& lists = dirtyLists();
    lists.erase(std::remove(lists.begin(), lists.end(), list), lists.end());
}

void flushDirtyLists() {
    auto lists = std::move(dirtyLists());
    dirtyLists().clear();
    for (VirtualListBox* l : lists) l->flush();
}

}  // namespace detail

namespace {

Form* formOf(HWND h) { return dynamic_cast<Form*>(Control::fromHandle(h)); }

LRESULT CALLBACK formProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Form* form = formOf(hwnd);
    LRESULT result = 0;
    intptr_t custom = 0;
    if (form && form->onMessage && form->onMessage(msg, wp, lp, custom)) return LRESULT(custom);
    if (detail::routeChildMessage(hwnd, msg, wp, lp, result)) return result;
    switch (msg) {
    case WM_COMMAND:
        if (lp == 0) {
            if (MenuItem* item = MenuItem::fromId(LOWORD(wp))) runHandler(item->onClick);
            return 0;
        }
        break;
    case WM_CLOSE:
        if (form && form->onClose) {
            runHandler(form->onClose);
            return 0;
        }
        if (form && form->isMain) {
            Application::instance().terminate();
            return 0;
        }
        if (form) form->hide();
        return 0;
    case WM_SIZE:
        if (!form || wp == SIZE_MINIMIZED) return 0;
        form->placeControls();
        if (form->onResize) runHandler(form->onResize);
        return 0;
    case kFormShownMessage:
        if (form && form->onShow) runHandler(form->onShow);
        return 0;
    case WM_GETMINMAXINFO:
        if (form) form->limitTracking(reinterpret_cast<void*>(lp));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void registerFormClass(const std::wstring& cls) {
    static std::set<std::wstring> done;
    if (done.count(cls)) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = formProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.hIcon = static_cast<HICON>(Application::instance().icon());
    wc.hIconSm = wc.hIcon;
    wc.lpszClassName = cls.c_str();
    if (!RegisterClassExW(&wc)) throw std::runtime_error("Cannot register window class");
    done.insert(cls);
}

bool isInside(HWND child, HWND top) {
    for (HWND h = child; h; h = GetParent(h))
        if (h == top) return true;
    return false;
}

}  // namespace

Form::Form(const std::string& className, const std::string& name, Rect client, unsigned long style)
    : Control(nullptr, name) {
    std::wstring cls = widen(className);
    registerFormClass(cls);
    RECT r{0, 0, scaled(client.w), scaled(client.h)};
    AdjustWindowRectEx(&r, style, FALSE, 0);
    create(cls.c_str(), style | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, nullptr, "",
           {CW_USEDEFAULT, CW_USEDEFAULT, int(r.right - r.left), int(r.bottom - r.top)});
    setDesignSize({client.w, client.h});
    balloon_ = Application::instance().balloonHints();
    handle();
    Application::instance().forms.push_back(this);
}

Form::~Form() {
    auto& forms = Application::instance().forms;
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
    components_.clear();
}

Component* Form::find(const std::string& name) const {
    for (auto& c : components_)
        if (c->name() == name) return c.get();
    return nullptr;
}

bool Form::onScreen() const { return IsWindowVisible(static_cast<HWND>(handle())); }

// Components come in creation order, so a container is always decided before its children.
void Form::makeShowingWindows() {
    for (auto& c : components_) {
        auto* ctl = dynamic_cast<Control*>(c.get());
        if (!ctl || ctl->windowless() || ctl->hasHandle() || !ctl->visible()) continue;
        Control* parent = ctl->parent();
        if (parent == this || (parent && parent->hasHandle() && parent->visible())) ctl->handle();
    }
}

// The show handler runs once the window is on screen, each time it becomes visible.
static void showWith(Form& form, int command) {
    HWND h = static_cast<HWND>(form.handle());
    bool wasVisible = IsWindowVisible(h);
    form.makeShowingWindows();
    if (!wasVisible) runHandler(form.onShowing);
    ShowWindow(h, command);
    if (!wasVisible) PostMessageW(h, kFormShownMessage, 0, 0);
}

void Form::placeControls() {
    const Rect client = clientRect();
    if (client.w <= 0 || client.h <= 0) return;
    const int dpi = screenDpi();
    for (auto& c : components_) {
        auto* ctl = dynamic_cast<Control*>(c.get());
        if (!ctl || !ctl->anchors() || !ctl->parent()) continue;
        Control* parent = ctl->parent();
        const Rect outer = parent == this ? client : parent->bounds();
        ctl->setBounds(placeAnchored(ctl->designBounds(), ctl->anchors(), parent->designSize(), {outer.w, outer.h}, dpi));
        ctl->arranged();
    }
    if (onScreen()) redrawAll();
}

// The window size that holds a client area of the minimum size.
static SIZE minimumWindowSize(HWND h, Size client) {
    RECT r{0, 0, scaled(client.w), scaled(client.h)};
    AdjustWindowRectEx(&r, DWORD(GetWindowLongW(h, GWL_STYLE)), FALSE, DWORD(GetWindowLongW(h, GWL_EXSTYLE)));
    return {r.right - r.left, r.bottom - r.top};
}

void Form::setMinimumClientSize(Size design) {
    minimumClient_ = design;
    HWND h = static_cast<HWND>(handle());
    const SIZE least = minimumWindowSize(h, design);
    RECT now;
    GetWindowRect(h, &now);
    if (now.right - now.left < least.cx || now.bottom - now.top < least.cy)
        SetWindowPos(h, nullptr, 0, 0, std::max(LONG(now.right - now.left), least.cx),
                     std::max(LONG(now.bottom - now.top), least.cy), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::limitTracking(void* minMaxInfo) const {
    if (minimumClient_.w <= 0 || minimumClient_.h <= 0) return;
    const SIZE least = minimumWindowSize(static_cast<HWND>(handle()), minimumClient_);
    auto* info = static_cast<MINMAXINFO*>(minMaxInfo);
    info->ptMinTrackSize.x = std::max(info->ptMinTrackSize.x, least.cx);
    info->ptMinTrackSize.y = std::max(info->ptMinTrackSize.y, least.cy);
}

void Form::show() {
    showWith(*this, SW_SHOW);
    SetForegroundWindow(static_cast<HWND>(handle()));
}
// The client size a maximized window has: its borders lie just outside the work area.
static Rect maximizedClientArea(HWND h) {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, DWORD(GetWindowLongW(h, GWL_STYLE)), FALSE, DWORD(GetWindowLongW(h, GWL_EXSTYLE)));
    const int width = work.right - work.left - 2 * frame.left;
    const int height = work.bottom - work.top + 2 * frame.bottom;
    return {0, 0, width - (frame.right - frame.left), height - (frame.bottom - frame.top)};
}

Rect Form::clientRect() const { return comingClient_ ? *comingClient_ : Control::clientRect(); }

// A window coming on screen maximized lays out its controls for that size first, so that they
// are made where they will stay rather than moved once on screen.
void Form::showMaximized() {
    HWND h = static_cast<HWND>(handle());
    if (!IsWindowVisible(h) && !IsZoomed(h)) {
        comingClient_ = maximizedClientArea(h);
        placeControls();
        if (onResize) runHandler(onResize);
        comingClient_.reset();
    }
    showWith(*this, SW_SHOWMAXIMIZED);
}
void Form::hide() {
    ShowWindow(static_cast<HWND>(handle()), SW_HIDE);
    modalRunning = false;
}

void Form::showModal() {
    HWND self = static_cast<HWND>(handle());
    std::vector<HWND> disabled;
    for (Form* f : Application::instance().forms) {
        HWND h = static_cast<HWND>(f->handle());
        if (f != this && IsWindowEnabled(h)) {
            EnableWindow(h, FALSE);
            disabled.push_back(h);
        }
    }
    modalRunning = true;
    show();
    MSG m;
    while (modalRunning && IsWindowVisible(self) && !Application::instance().terminated()) {
        if (!GetMessageW(&m, nullptr, 0, 0)) {
            PostQuitMessage(int(m.wParam));
            break;
        }
        if (!IsDialogMessageW(self, &m)) {
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
        detail::flushDirtyLists();
    }
    modalRunning = false;
    for (HWND h : disabled) EnableWindow(h, TRUE);
}

void Form::close() { SendMessageW(static_cast<HWND>(handle()), WM_CLOSE, 0, 0); }

void Form::centre() {
    HWND h = static_cast<HWND>(handle());
    RECT r;
    GetWindowRect(h, &r);
    int w = r.right - r.left, hgt = r.bottom - r.top;
    SetWindowPos(h, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - hgt) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
}

void Form::setStyleBits(unsigned long remove) {
    HWND h = static_cast<HWND>(handle());
    SetWindowLongW(h, GWL_STYLE, LONG(GetWindowLongW(h, GWL_STYLE) & ~remove));
    SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void Form::rebuildTooltip() {
    if (tooltip_) DestroyWindow(static_cast<HWND>(tooltip_));
    DWORD style = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | (balloon_ ? TTS_BALLOON : 0);
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, style, 0, 0, 0, 0,
                               static_cast<HWND>(handle()), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(static_cast<HWND>(tooltip_), TTM_SETMAXTIPWIDTH, 0, scaled(400));
    // A shadow under every tip (the class style is the system's way to ask for one).
    SetClassLongW(static_cast<HWND>(tooltip_), GCL_STYLE,
                  LONG(GetClassLongW(static_cast<HWND>(tooltip_), GCL_STYLE) | CS_DROPSHADOW));
    // Controls whose windows are not made yet are skipped by registerHint itself.
    for (auto& c : components_)
        if (auto* ctl = dynamic_cast<Control*>(c.get()); ctl && !ctl->hint().empty()) registerHint(ctl);
}

// A control with a window is a tool by its window; one drawn by its container is a tool by
// its part of the container.
void Form::registerHint(Control* c) {
    const bool windowless = c->windowless();
    if (!c->showsHint()) return;
    if (windowless ? !c->parent()->hasHandle() : !c->hasHandle()) return;   // when its window is made
    if (!tooltip_) rebuildTooltip();
    std::wstring text = widen(c->hint());
    TOOLINFOW ti{};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.uFlags = windowless ? TTF_SUBCLASS : TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = static_cast<HWND>(windowless ? c->parent()->handle() : handle());
    ti.uId = windowless ? UINT_PTR(c->id()) : UINT_PTR(c->handle());
    if (windowless) {
        const Rect b = c->bounds();
        ti.rect = RECT{b.x, b.y, b.x + b.w, b.y + b.h};
    }
    ti.lpszText = text.data();
    HWND tip = static_cast<HWND>(tooltip_);
    // A control already known takes the new text; adding a tool again would hook its window again.
    TOOLINFOW known{};
    known.cbSize = TTTOOLINFOW_V2_SIZE;
    known.hwnd = ti.hwnd;
    known.uId = ti.uId;
    if (SendMessageW(tip, TTM_GETTOOLINFOW, 0, LPARAM(&known))) {
        SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, LPARAM(&ti));
        if (windowless) SendMessageW(tip, TTM_NEWTOOLRECTW, 0, LPARAM(&ti));
    } else {
        SendMessageW(tip, TTM_ADDTOOLW, 0, LPARAM(&ti));
    }
}

// The tooltip window is made with the first tool, in the style chosen by then.
void Form::setBalloonHints(bool on) {
    balloon_ = on;
    if (tooltip_) rebuildTooltip();
}

// ---- Application
Application& Application::instance() {
    static Application app;
    return app;
}

void* Application::mainWindow() const {
    for (Form* f : forms)
        if (f->isMain) return f->handle();
    return nullptr;
}

void* Application::instanceHandle() const { return GetModuleHandleW(nullptr); }

void* Application::icon() const {
    static HICON icon = [] {
        HICON i = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
        return i ? i : LoadIconW(nullptr, MAKEINTRESOURCEW(32512));
    }();
    return icon;
}

static bool preview(MSG& m) {
    if (m.message != WM_KEYDOWN) return false;
    for (Form* f : Application::instance().forms) {
        if (f->onKeyDown && isInside(m.hwnd, static_cast<HWND>(f->handle()))) {
            int key = int(m.wParam);
            runHandler([&] { f->onKeyDown(key); });
        }
    }
    return false;
}

static HWND dialogTarget(HWND h) {
    while (h && (GetWindowLongW(h, GWL_STYLE) & WS_CHILD)) h = GetParent(h);
    return h;
}

static void dispatch(MSG& m) {
    preview(m);
    HWND top = dialogTarget(m.hwnd);
    if (!top || !IsDialogMessageW(top, &m)) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

void Application::showMain(Form& main) {
    main.isMain = true;
    if (terminated_) return;
    main.showMaximized();
    RedrawWindow(static_cast<HWND>(main.handle()), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

int Application::run(Form& main) {
    if (!main.onScreen()) showMain(main);
    MSG m;
    while (!terminated_ && GetMessageW(&m, nullptr, 0, 0)) {
        dispatch(m);
        detail::flushDirtyLists();
    }
    return 0;
}

void Application::processMessages() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        dispatch(m);
    }
    detail::flushDirtyLists();
}

void Application::setBalloonHints(bool on) {
    balloonHints_ = on;
    for (Form* f : forms) f->setBalloonHints(on);
}

void Application::terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

}  // namespace tk
