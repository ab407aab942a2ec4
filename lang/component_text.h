#pragma once
// The one text property of a translatable component: a menu item's caption, else the control's
// text (a tab sheet's tab caption, a combo box's edit text).
#include <string>

#include "toolkit/component.h"

namespace qlmr {

std::string componentText(const tk::Component& c);
void setComponentText(tk::Component& c, const std::string& text);

}  // namespace qlmr
