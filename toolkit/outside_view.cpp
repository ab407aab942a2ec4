// What other processes may ask the program's windows: the component name of a window, and the
// names and texts of the controls a container draws itself.
#include <string>

#include "toolkit/component.h"
#include "toolkit/text.h"
#include "toolkit/win.h"

namespace tk::detail {

unsigned describeMessage() {
    static const unsigned message = RegisterWindowMessageW(L"QlmrWindowlessControls");
    return message;
}

namespace {

// "x y w h shown weight height face": where the control lies in its container, whether it is
// marked visible, and its font, for a layout check from outside.
std::string geometryOf(const Control& c) {
    const Rect b = c.bounds();
    LOGFONTW font{};
    GetObjectW(static_cast<HFONT>(c.font()), sizeof font, &font);
    std::string out;
    for (int n : {b.x, b.y, b.w, b.h, int(c.visible()), int(font.lfWeight), int(font.lfHeight)})
        out += std::to_string(n) + " ";
    return out + narrow(font.lfFaceName);
}

}  // namespace

// Sends the asking window the name, text and geometry of each control drawn here, as UTF-8
// strings each ended by a zero, in a WM_COPYDATA. Answers how many controls there were.
LRESULT describeWindowless(HWND hwnd, HWND asker) {
    Control* self = Control::fromHandle(hwnd);
    if (!self || self->windowlessChildren().empty() || !IsWindow(asker)) return 0;
    std::string data;
    for (Control* c : self->windowlessChildren()) {
        data += c->name();
        data.push_back('\0');
        data += c->text();
        data.push_back('\0');
        data += geometryOf(*c);
        data.push_back('\0');
    }
    COPYDATASTRUCT copy{kDescribeTag, DWORD(data.size()), data.data()};
    DWORD_PTR ignored;
    SendMessageTimeoutW(asker, WM_COPYDATA, WPARAM(hwnd), LPARAM(&copy), SMTO_ABORTIFHUNG, 5000, &ignored);
    return LRESULT(self->windowlessChildren().size());
}

unsigned nameMessage() {
    static const unsigned message = RegisterWindowMessageW(L"QlmrComponentName");
    return message;
}

// Made only when asked: an atom for every window made would cost a call to the window server each.
LRESULT nameOf(HWND window) {
    Control* c = Control::fromHandle(window);
    if (!c || c->name().empty()) return 0;
    return GlobalAddAtomW(widen(c->name()).c_str());
}

}  // namespace tk::detail
