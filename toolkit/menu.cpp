#include "toolkit/menu.h"

#include <map>

#include "toolkit/text.h"
#include "toolkit/win.h"

namespace tk {
namespace {

std::map<int, MenuItem*>& registry() {
    // Never destroyed: menu items of forms that outlive static destruction still unregister.
    static auto* items = new std::map<int, MenuItem*>;
    return *items;
}

}  // namespace

MenuItem::MenuItem(Form* owner, std::string name, const std::string& caption)
    : Component(owner, std::move(name)), caption_(caption), id_(detail::nextControlId()) {
    registry()[id_] = this;
}

MenuItem::~MenuItem() { registry().erase(id_); }

MenuItem* MenuItem::fromId(int id) {
    auto it = registry().find(id);
    return it == registry().end() ? nullptr : it->second;
}

void MenuItem::attach(void* menu) {
    parentMenu_ = menu;
    std::wstring text = widen(caption_);
    if (submenu_)
        AppendMenuW(static_cast<HMENU>(menu), MF_POPUP | MF_STRING, UINT_PTR(submenu_), text.c_str());
    else
        AppendMenuW(static_cast<HMENU>(menu), MF_STRING | (enabled_ ? 0 : MF_GRAYED), UINT_PTR(id_), text.c_str());
}

void MenuItem::add(MenuItem* child) {
    if (!submenu_) submenu_ = CreatePopupMenu();
    child->attach(submenu_);
}

void MenuItem::setCaption(const std::string& text) {
    caption_ = text;
    if (!parentMenu_) return;
    std::wstring w = widen(text);
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_STRING;
    mi.dwTypeData = w.data();
    if (submenu_) {
        // Submenu items are addressed by position.
        HMENU m = static_cast<HMENU>(parentMenu_);
        for (int i = 0, n = GetMenuItemCount(m); i < n; ++i)
            if (GetSubMenu(m, i) == static_cast<HMENU>(submenu_)) SetMenuItemInfoW(m, UINT(i), TRUE, &mi);
    } else {
        SetMenuItemInfoW(static_cast<HMENU>(parentMenu_), UINT(id_), FALSE, &mi);
    }
}

void MenuItem::setEnabled(bool on) {
    enabled_ = on;
    if (parentMenu_ && !submenu_)
        EnableMenuItem(static_cast<HMENU>(parentMenu_), UINT(id_), MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

PopupMenu::PopupMenu(Form* owner, std::string name) : Component(owner, std::move(name)), menu_(CreatePopupMenu()) {}
PopupMenu::~PopupMenu() { DestroyMenu(static_cast<HMENU>(menu_)); }

void PopupMenu::add(MenuItem* item) { item->attach(menu_); }

namespace {
// Where the keyboard asked for the next menu (Shift+F10 or the Menu key); the mouse's is the cursor.
bool placedByKeyboard = false;
POINT keyboardPlace{};
}  // namespace

void PopupMenu::placeNextAt(int x, int y) {
    placedByKeyboard = true;
    keyboardPlace = POINT{x, y};
}

void PopupMenu::popup(void* ownerHwnd) {
    if (onPopup) runHandler(onPopup);
    POINT p = keyboardPlace;
    if (!placedByKeyboard) GetCursorPos(&p);
    placedByKeyboard = false;
    HWND owner = static_cast<HWND>(ownerHwnd);
    SetForegroundWindow(owner);
    int id = int(TrackPopupMenu(static_cast<HMENU>(menu_), TPM_RETURNCMD | TPM_RIGHTBUTTON, p.x, p.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    if (id)
        if (MenuItem* item = MenuItem::fromId(id)) runHandler(item->onClick);
}

}  // namespace tk
