// Group boxes, panels and the status bar.
#include "toolkit/containers.h"

#include "toolkit/text.h"
#include "toolkit/win.h"

namespace tk {
namespace {

using detail::hwndOf;

}  // namespace

// ---- GroupBox
GroupBox::GroupBox(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r)
    : Control(owner, std::move(name)) {
    plainTextWindow_ = true;
    beneathSiblings_ = true;
    create(L"BUTTON", WS_VISIBLE | BS_GROUPBOX, 0, parent, caption, r);
}
// Beneath the controls it frames.
void GroupBox::realized() { SetWindowPos(hwndOf(this), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

// ---- Panel
Panel::Panel(Form* owner, std::string name, Control* parent, Rect r) : Control(owner, std::move(name)) {
    create(detail::kContainerClass, WS_VISIBLE, WS_EX_CONTROLPARENT, parent, "", r);
}

// ---- StatusBar
StatusBar::StatusBar(Form* owner, std::string name, Control* parent, std::vector<int> widths)
    : Control(owner, std::move(name)) {
    create(STATUSCLASSNAMEW, WS_VISIBLE | CCS_BOTTOM, 0, parent, "", {});
    int x = 0;
    for (int w : widths) edges_.push_back(x += scaled(w));
}
void StatusBar::realized() { SendMessageW(hwndOf(this), SB_SETPARTS, edges_.size(), LPARAM(edges_.data())); }
void StatusBar::setPanelText(int panel, const std::string& text) {
    SendMessageW(hwndOf(this), SB_SETTEXTW, WPARAM(panel), LPARAM(widen(text).c_str()));
}
std::string StatusBar::panelText(int panel) const {
    int n = LOWORD(SendMessageW(hwndOf(this), SB_GETTEXTLENGTHW, WPARAM(panel), 0));
    std::wstring buf(size_t(n) + 1, L'\0');
    SendMessageW(hwndOf(this), SB_GETTEXTW, WPARAM(panel), LPARAM(buf.data()));
    buf.resize(size_t(n));
    return narrow(buf);
}

}  // namespace tk
