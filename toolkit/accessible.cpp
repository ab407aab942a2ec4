#include "toolkit/accessible.h"

#include <oleacc.h>

#include <unordered_map>
#include <vector>

#include "toolkit/accessible_object.h"
#include "toolkit/containers.h"
#include "toolkit/form.h"
#include "toolkit/labels.h"
#include "toolkit/lists.h"
#include "toolkit/pages.h"
#include "toolkit/text.h"
#include "toolkit/win.h"

namespace tk {
namespace {

bool inside(const Rect& outer, const Rect& inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

bool overlapsAcross(const Rect& a, const Rect& b) { return a.x < b.x + b.w && b.x < a.x + a.w; }

std::string groupCaption(const Control& c) {
    for (auto& part : c.owner()->components())
        if (auto* group = dynamic_cast<GroupBox*>(part.get()))
            if (group->parent() == c.parent() && inside(group->designBounds(), c.designBounds())) return group->text();
    return {};
}

// The nearest label above, across the same columns, with no more than a line's gap between.
std::string labelAbove(const Control& c) {
    const Rect me = c.designBounds();
    const Control* best = nullptr;
    for (Control* drawn : c.parent()->windowlessChildren()) {
        const Rect r = drawn->designBounds();
        if (!dynamic_cast<Label*>(drawn) || !overlapsAcross(r, me) || r.y + r.h > me.y + 2 || me.y - (r.y + r.h) > 20)
            continue;
        if (!best || r.y > best->designBounds().y) best = drawn;
    }
    return best ? best->text() : std::string();
}

std::string pageCaption(const Control& c) {
    for (const Control* p = c.parent(); p; p = p->parent())
        if (dynamic_cast<const TabSheet*>(p)) return p->text();
    return c.owner() ? c.owner()->text() : std::string();
}

}  // namespace

std::string accessibleNameOf(const Control& c) {
    if (!c.parent() || !c.owner()) return c.text();
    for (const std::string& name : {groupCaption(c), labelAbove(c), c.hint()})
        if (!name.empty()) return name;
    return pageCaption(c);
}

namespace detail {
namespace {

using WindowProc = LRESULT(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);

std::unordered_map<HWND, WindowProc>& formerProcs() {
    static std::unordered_map<HWND, WindowProc> procs;
    return procs;
}

LRESULT CALLBACK answeringProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const WindowProc former = formerProcs()[hwnd];
    if (msg == WM_GETOBJECT)
        if (LRESULT answer = answerAccessibility(hwnd, wp, lp)) return answer;
    if (msg == WM_NCDESTROY) formerProcs().erase(hwnd);
    return CallWindowProcW(former, hwnd, msg, wp, lp);
}

bool hasClass(HWND h, const wchar_t* cls) {
    wchar_t name[32] = {};
    return GetClassNameW(h, name, 32) && lstrcmpiW(name, cls) == 0;
}

}  // namespace

// A list, a memo and a report list are the system's windows: they answer through a procedure put
// in front of theirs.
void answerAccessibilityOf(Control* c, HWND hwnd) {
    const bool memo = hasClass(hwnd, L"EDIT") && (GetWindowLongW(hwnd, GWL_STYLE) & ES_MULTILINE);
    if (!memo && !hasClass(hwnd, L"LISTBOX") && !hasClass(hwnd, WC_LISTVIEWW)) return;
    (void)c;
    formerProcs()[hwnd] = reinterpret_cast<WindowProc>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&answeringProc)));
}

LRESULT answerAccessibility(HWND hwnd, WPARAM wp, LPARAM lp) {
    if (LONG(lp) != LONG(OBJID_CLIENT) || !Control::fromHandle(hwnd)) return 0;
    return answerWithAccessibleObject(hwnd, wp);
}

}  // namespace detail
}  // namespace tk
