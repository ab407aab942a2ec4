// The service list's background follows the system's scheme: its own light green on an ordinary
// scheme, the system's window colour once the window colour is dark, as under high contrast.
#include <doctest.h>

#include <windows.h>

#include "tests/e2e/driver.h"

using namespace e2e;

namespace {

const char* kSettings = "[Program]\r\nVersionInfo=3.1\r\nDateRelease=08.12.2026\r\nShowLangForm=N\r\n"
                        "LangName=rus.lng\r\nDefaultLang=1\r\n";

// What the screen shows near the list's top right corner, inside the first row.
COLORREF listBackground(HWND list) {
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    pumpSleep(600);
    RECT r;
    GetClientRect(list, &r);
    POINT at{r.right - 40, 6};
    ClientToScreen(list, &at);
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return c;
}

// A black high-contrast scheme for the session while it lives.
struct DarkScheme {
    int elements[4] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT};
    COLORREF before[4];
    DarkScheme() {
        const COLORREF dark[4] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255)};
        for (int i = 0; i < 4; ++i) before[i] = GetSysColor(elements[i]);
        SetSysColors(4, elements, dark);
    }
    ~DarkScheme() { SetSysColors(4, elements, before); }
};

}  // namespace

TEST_CASE("the service list's background follows the scheme") {
    Program p("contrast");
    HWND main = p.startAfterFirstRun(kSettings);
    REQUIRE(main);
    SetForegroundWindow(main);
    HWND list = p.control("ServiceNames");
    CHECK(listBackground(list) == RGB(192, 220, 192));
    {
        DarkScheme dark;
        CHECK(listBackground(list) == RGB(0, 0, 0));
    }
    CHECK(listBackground(list) == RGB(192, 220, 192));
}
