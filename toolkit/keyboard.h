#pragma once
// What the keyboard does in the program's windows beyond the dialog manager's Tab and arrows.
//  - Ctrl+Tab / Ctrl+PgDn and Ctrl+Shift+Tab / Ctrl+PgUp turn the pages of a window's page control.
//  - Tab and Shift+Tab leave a memo as they leave any other control.
//  - Esc closes a window other than the main one; it never reaches a memo, which would ask its
//    container to close.
//  - Enter on a control does what its double-click or click does (a list's row, a link);
//    Space too on a link or a picture that opens something.
//  - Shift+F10 and the Menu key open the focused control's menu at its focused row.
//  - A window coming back to the front gives the focus back to the control that had it.
#include <initializer_list>

#include "toolkit/component.h"

namespace tk {

// The tab order of siblings as listed, in the places their creation order gave them.
void setTabOrder(std::initializer_list<Control*> order);

}  // namespace tk
