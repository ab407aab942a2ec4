// An IAccessible over one window of the program. What the system's own object of the window
// tells stays (its role, state, place, parent, focus); this one adds the window's name and the
// children the system cannot see: the controls a container draws, a list's rows. Everything is
// read from the controls when asked, so a screen reader hears the current texts. The
// accessibility libraries are bound on first use: a program nobody reads loads none of them.
#include "toolkit/accessible_object.h"

#include <oleacc.h>

#include <string>
#include <vector>

#include "toolkit/accessible.h"
#include "toolkit/form.h"
#include "toolkit/labels.h"
#include "toolkit/late_bound.h"
#include "toolkit/lists.h"
#include "toolkit/text.h"

namespace tk::detail {
namespace {

const IID kIAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
const IID kIDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kIUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

struct Libraries {
    decltype(&LresultFromObject) lresultFromObject;
    decltype(&CreateStdAccessibleObject) createStd;
    decltype(&AccessibleObjectFromWindow) fromWindow;
    decltype(&SysAllocString) allocString;
    bool ready() const { return lresultFromObject && createStd && fromWindow && allocString; }
};

const Libraries& libraries() {
    static const Libraries libs = [] {
        using Init = HRESULT(WINAPI*)(void*);
        if (auto init = lateBound<Init>("ole32.dll", "CoInitialize")) init(nullptr);
        return Libraries{lateBound<decltype(&LresultFromObject)>("oleacc.dll", "LresultFromObject"),
                         lateBound<decltype(&CreateStdAccessibleObject)>("oleacc.dll", "CreateStdAccessibleObject"),
                         lateBound<decltype(&AccessibleObjectFromWindow)>("oleacc.dll", "AccessibleObjectFromWindow"),
                         lateBound<decltype(&SysAllocString)>("oleaut32.dll", "SysAllocString")};
    }();
    return libs;
}

bool hasClass(HWND h, const wchar_t* cls) {
    wchar_t name[32] = {};
    return GetClassNameW(h, name, 32) && lstrcmpiW(name, cls) == 0;
}

enum class Kind { None, Container, Focusable, List, Memo, Report };

Kind kindOf(HWND h, Control& c) {
    if (c.windowless()) return Kind::None;
    if (!c.windowlessChildren().empty()) return Kind::Container;
    if (hasClass(h, L"QlmrFocusable")) return Kind::Focusable;
    if (hasClass(h, L"LISTBOX")) return Kind::List;
    if (hasClass(h, L"EDIT")) return Kind::Memo;
    if (hasClass(h, WC_LISTVIEWW)) return Kind::Report;
    return Kind::None;
}

// One child that has no window: a drawn control or a list's row.
struct Element {
    std::wstring name, description;
    long role = ROLE_SYSTEM_STATICTEXT;
    long state = STATE_SYSTEM_READONLY;
    RECT place{};   // in the window's client area
};

std::wstring listRowText(HWND h, int i) {
    if (auto* virtualList = dynamic_cast<VirtualListBox*>(Control::fromHandle(h)))
        return i < virtualList->count() ? widen(virtualList->line(i)) : std::wstring();
    const LRESULT n = SendMessageW(h, LB_GETTEXTLEN, WPARAM(i), 0);
    if (n == LB_ERR) return {};
    std::wstring text(size_t(n) + 1, L'\0');
    SendMessageW(h, LB_GETTEXT, WPARAM(i), LPARAM(text.data()));
    text.resize(size_t(n));
    return text;
}

Element listRow(HWND h, Control& c, int i) {
    Element e;
    e.name = listRowText(h, i);
    e.role = ROLE_SYSTEM_LISTITEM;
    e.state = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (SendMessageW(h, LB_GETCURSEL, 0, 0) == i) e.state |= STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED;
    if (auto* checks = dynamic_cast<UniCheckListBox*>(&c); checks && checks->checked(i)) {
        e.state |= STATE_SYSTEM_CHECKED;
        if (checks->markMeaning) e.description = widen(checks->markMeaning());
    }
    SendMessageW(h, LB_GETITEMRECT, WPARAM(i), LPARAM(&e.place));
    return e;
}

Element drawnControl(Control& drawn) {
    Element e;
    e.name = widen(drawn.text());
    if (dynamic_cast<Image*>(&drawn)) {
        e.role = ROLE_SYSTEM_GRAPHIC;
        if (e.name.empty()) e.name = widen(drawn.hint());
    }
    if (drawn.handCursor()) e.role = ROLE_SYSTEM_LINK;
    if (!drawn.enabled()) e.state |= STATE_SYSTEM_UNAVAILABLE;
    const Rect b = drawn.bounds();
    e.place = RECT{b.x, b.y, b.x + b.w, b.y + b.h};
    return e;
}

std::vector<Control*> shownDrawn(Control& c) {
    std::vector<Control*> shown;
    for (Control* drawn : c.windowlessChildren())
        if (drawn->visible()) shown.push_back(drawn);
    return shown;
}

std::vector<HWND> childWindows(HWND h) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(h, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child)) children.push_back(child);
    return children;
}

BSTR toBstr(const std::wstring& text) { return libraries().allocString(text.c_str()); }

class AccessibleWindow : public IAccessible {
public:
    AccessibleWindow(HWND hwnd, IAccessible* system) : hwnd_(hwnd), system_(system) {}
    virtual ~AccessibleWindow() {
        if (system_) system_->Release();
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(riid, kIUnknown) || IsEqualIID(riid, kIDispatch) || IsEqualIID(riid, kIAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (!left) delete this;
        return ULONG(left);
    }

    // IDispatch: nothing is reached by name.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return system_ ? system_->get_accParent(parent) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return isSelf(child) && system_ ? system_->get_accHelp(child, help) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return isSelf(child) && system_ ? system_->get_accHelpTopic(file, child, topic) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return isSelf(child) && system_ ? system_->get_accKeyboardShortcut(child, keys) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return system_ ? system_->get_accFocus(focus) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return system_ ? system_->get_accSelection(selection) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return isSelf(child) && system_ ? system_->get_accDefaultAction(child, action) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return isSelf(child) && system_ ? system_->accSelect(flags, child) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* w, long* h, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return isSelf(start) && system_ ? system_->accNavigate(direction, start, end) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* found) override {
        return system_ ? system_->accHitTest(x, y, found) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return isSelf(child) && system_ ? system_->accDoDefaultAction(child) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    static bool isSelf(const VARIANT& v) { return v.vt == VT_I4 && v.lVal == CHILDID_SELF; }
    Control* control() const { return IsWindow(hwnd_) ? Control::fromHandle(hwnd_) : nullptr; }
    long elementCount(Control& c) const;
    // Child ids from 1: the elements, then (for a container) the child windows.
    bool element(Control& c, long id, Element& out) const;
    HWND childWindow(Control& c, long id) const;
    bool selfName(Control& c, std::wstring& name) const;

    LONG references_ = 1;
    HWND hwnd_;
    IAccessible* system_;
};

long AccessibleWindow::elementCount(Control& c) const {
    switch (kindOf(hwnd_, c)) {
    case Kind::Container: return long(shownDrawn(c).size());
    case Kind::List: return long(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0));
    default: return 0;
    }
}

bool AccessibleWindow::element(Control& c, long id, Element& out) const {
    if (id < 1 || id > elementCount(c)) return false;
    if (kindOf(hwnd_, c) == Kind::List)
        out = listRow(hwnd_, c, int(id - 1));
    else
        out = drawnControl(*shownDrawn(c)[size_t(id - 1)]);
    return true;
}

HWND AccessibleWindow::childWindow(Control& c, long id) const {
    if (kindOf(hwnd_, c) != Kind::Container) return nullptr;
    const std::vector<HWND> children = childWindows(hwnd_);
    const long at = id - elementCount(c) - 1;
    return at >= 0 && at < long(children.size()) ? children[size_t(at)] : nullptr;
}

bool AccessibleWindow::selfName(Control& c, std::wstring& name) const {
    switch (kindOf(hwnd_, c)) {
    case Kind::Focusable:
        name = widen(c.text().empty() ? (c.hint().empty() ? Application::instance().title : c.hint()) : c.text());
        return true;
    case Kind::List:
    case Kind::Memo:
    case Kind::Report: name = widen(accessibleNameOf(c)); return true;
    default: return false;
    }
}

HRESULT AccessibleWindow::get_accChildCount(long* count) {
    Control* c = control();
    if (!c) return E_FAIL;
    if (kindOf(hwnd_, *c) == Kind::Container) {
        *count = elementCount(*c) + long(childWindows(hwnd_).size());
        return S_OK;
    }
    if (kindOf(hwnd_, *c) == Kind::List) {
        *count = elementCount(*c);
        return S_OK;
    }
    return system_ ? system_->get_accChildCount(count) : E_FAIL;
}

HRESULT AccessibleWindow::get_accChild(VARIANT child, IDispatch** out) {
    Control* c = control();
    if (!c || !out) return E_INVALIDARG;
    *out = nullptr;
    const Kind kind = kindOf(hwnd_, *c);
    if (kind != Kind::Container && kind != Kind::List) return system_ ? system_->get_accChild(child, out) : E_FAIL;
    if (child.vt != VT_I4) return E_INVALIDARG;
    if (HWND window = childWindow(*c, child.lVal))
        return libraries().fromWindow(window, DWORD(OBJID_WINDOW), kIDispatch, reinterpret_cast<void**>(out));
    return child.lVal >= 1 && child.lVal <= elementCount(*c) ? S_FALSE : E_INVALIDARG;
}

HRESULT AccessibleWindow::get_accName(VARIANT child, BSTR* name) {
    Control* c = control();
    if (!c || !name) return E_FAIL;
    std::wstring text;
    Element e;
    if (isSelf(child) ? selfName(*c, text) : element(*c, child.lVal, e)) {
        *name = toBstr(isSelf(child) ? text : e.name);
        return S_OK;
    }
    return system_ ? system_->get_accName(child, name) : S_FALSE;
}

HRESULT AccessibleWindow::get_accValue(VARIANT child, BSTR* value) {
    Control* c = control();
    if (!c || !value) return E_FAIL;
    if (isSelf(child) && kindOf(hwnd_, *c) == Kind::Memo) {
        *value = toBstr(widen(c->text()));
        return S_OK;
    }
    Element e;
    if (!isSelf(child) && element(*c, child.lVal, e)) return S_FALSE;
    return system_ ? system_->get_accValue(child, value) : S_FALSE;
}

HRESULT AccessibleWindow::get_accDescription(VARIANT child, BSTR* text) {
    Control* c = control();
    if (!c || !text) return E_FAIL;
    Element e;
    if (!isSelf(child) && element(*c, child.lVal, e)) {
        if (e.description.empty()) return S_FALSE;
        *text = toBstr(e.description);
        return S_OK;
    }
    return system_ ? system_->get_accDescription(child, text) : S_FALSE;
}

HRESULT AccessibleWindow::get_accRole(VARIANT child, VARIANT* role) {
    Control* c = control();
    if (!c || !role) return E_FAIL;
    Element e;
    const bool focusable = isSelf(child) && kindOf(hwnd_, *c) == Kind::Focusable;
    if (focusable || (!isSelf(child) && element(*c, child.lVal, e))) {
        role->vt = VT_I4;
        role->lVal = focusable ? (c->handCursor() ? ROLE_SYSTEM_LINK : ROLE_SYSTEM_GRAPHIC) : e.role;
        return S_OK;
    }
    return system_ ? system_->get_accRole(child, role) : S_FALSE;
}

HRESULT AccessibleWindow::get_accState(VARIANT child, VARIANT* state) {
    Control* c = control();
    if (!c || !state) return E_FAIL;
    Element e;
    if (!isSelf(child) && element(*c, child.lVal, e)) {
        state->vt = VT_I4;
        state->lVal = e.state;
        return S_OK;
    }
    return system_ ? system_->get_accState(child, state) : S_FALSE;
}

HRESULT AccessibleWindow::accLocation(long* x, long* y, long* w, long* h, VARIANT child) {
    Control* c = control();
    if (!c || !x || !y || !w || !h) return E_FAIL;
    Element e;
    if (!isSelf(child) && element(*c, child.lVal, e)) {
        POINT corner{e.place.left, e.place.top};
        ClientToScreen(hwnd_, &corner);
        *x = corner.x;
        *y = corner.y;
        *w = e.place.right - e.place.left;
        *h = e.place.bottom - e.place.top;
        return S_OK;
    }
    return system_ ? system_->accLocation(x, y, w, h, child) : S_FALSE;
}

}  // namespace

LRESULT answerWithAccessibleObject(HWND hwnd, WPARAM wp) {
    Control* c = Control::fromHandle(hwnd);
    if (!c || kindOf(hwnd, *c) == Kind::None) return 0;
    const Libraries& libs = libraries();
    if (!libs.ready()) return 0;
    IAccessible* system = nullptr;
    if (FAILED(libs.createStd(hwnd, OBJID_CLIENT, kIAccessible, reinterpret_cast<void**>(&system)))) system = nullptr;
    auto* object = new AccessibleWindow(hwnd, system);
    const LRESULT answer = libs.lresultFromObject(kIAccessible, wp, object);
    object->Release();
    return answer > 0 ? answer : 0;
}

}  // namespace tk::detail
