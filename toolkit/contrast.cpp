#include "toolkit/contrast.h"

#include "toolkit/win.h"

namespace tk {

namespace {

// Relative luminance in thousandths, from the sRGB weights (0.2126, 0.7152, 0.0722), without the
// gamma curve: enough to tell a dark window from a light one.
int brightness(COLORREF c) { return (2126 * GetRValue(c) + 7152 * GetGValue(c) + 722 * GetBValue(c)) / 2550; }

}  // namespace

bool highContrast() {
    HIGHCONTRASTW hc{};
    hc.cbSize = sizeof hc;
    if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof hc, &hc, 0) && (hc.dwFlags & HCF_HIGHCONTRASTON)) return true;
    return brightness(GetSysColor(COLOR_WINDOW)) < 400;
}

unsigned long chosenOrSystem(unsigned long chosen, int systemColor) {
    if (chosen == 0xFFFFFFFF || highContrast()) return GetSysColor(systemColor);
    return chosen;
}

}  // namespace tk
