#pragma once
// The object a window of the program answers WM_GETOBJECT with (internal to the toolkit).
#include "toolkit/win.h"

namespace tk::detail {

// 0 when the window has nothing to tell beyond what the system's own object tells.
LRESULT answerWithAccessibleObject(HWND hwnd, WPARAM wp);

}  // namespace tk::detail
