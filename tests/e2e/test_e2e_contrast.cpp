// The service list's background follows the system's scheme: its own light green on an ordinary
// scheme, the system's window colour once the window colour is dark, as under high contrast.
#include <doctest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

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

}  // namespace

// Run as it is, the prefix has the system's default scheme; tests/e2e/high-contrast.sh runs it
// again in a prefix with a black high-contrast scheme (QLMR_SCHEME=high-contrast).
TEST_CASE("the service list's background follows the scheme") {
    const char* scheme = std::getenv("QLMR_SCHEME");
    const bool dark = scheme && std::string(scheme) == "high-contrast";
    Program p("contrast");
    HWND main = p.startAfterFirstRun(kSettings);
    REQUIRE(main);
    SetForegroundWindow(main);
    HWND list = p.control("ServiceNames");
    CHECK(listBackground(list) == (dark ? GetSysColor(COLOR_WINDOW) : RGB(192, 220, 192)));
    if (dark) CHECK(GetSysColor(COLOR_WINDOW) == RGB(0, 0, 0));
}
