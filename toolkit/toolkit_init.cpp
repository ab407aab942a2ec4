#include "toolkit/toolkit_init.h"

#include "toolkit/win.h"

namespace tk {

void initialise() {
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES;
    InitCommonControlsEx(&icc);
    detail::registerContainerClass();
}

}  // namespace tk
