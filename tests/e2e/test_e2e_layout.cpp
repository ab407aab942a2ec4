// The layout of every window and page of the real program, at the screen size and DPI it is run
// with (tests/e2e/layout-matrix.sh runs it over the matrix and names the setup in QLMR_LAYOUT):
// in Russian and English, maximized and restored, no two visible controls partly overlap, each lies
// inside its window's client area, and no button, label or check mark has more text than it shows.
#include <doctest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/e2e/driver.h"

using namespace e2e;

namespace {

const char* setup() { return std::getenv("QLMR_LAYOUT"); }

enum class Kind { Container, Button, CheckMark, Label, Other };

struct Placed {
    std::string name, text;
    Kind kind = Kind::Other;
    RECT r{};   // in the client area of its top-level window
    LOGFONTW font{};
};

Kind kindOf(HWND h) {
    wchar_t cls[64] = {};
    GetClassNameW(h, cls, 64);
    if (!lstrcmpiW(cls, L"QlmrContainer") || !lstrcmpiW(cls, WC_TABCONTROLW)) return Kind::Container;
    if (lstrcmpiW(cls, L"Button")) return Kind::Other;
    switch (GetWindowLongW(h, GWL_STYLE) & BS_TYPEMASK) {
    case BS_GROUPBOX: return Kind::Container;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return Kind::CheckMark;
    default: return Kind::Button;
    }
}

RECT inClientOf(HWND top, HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

LOGFONTW messageFont() {
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof m;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0);
    return m.lfMessageFont;
}

struct Walk {
    HWND top;
    std::vector<Placed>* found;
};

BOOL CALLBACK addWindowed(HWND h, LPARAM lp) {
    auto* w = reinterpret_cast<Walk*>(lp);
    if (!IsWindowVisible(h)) return TRUE;
    const std::string name = componentName(h);
    if (name.empty()) return TRUE;
    wchar_t text[512] = {};
    GetWindowTextW(h, text, 512);
    w->found->push_back({name, narrowText(text), kindOf(h), inClientOf(w->top, h), messageFont()});
    return TRUE;
}

// Every visible named control of a window, windowed or drawn by its container.
std::vector<Placed> controlsOf(HWND top) {
    std::vector<Placed> found;
    Walk walk{top, &found};
    EnumChildWindows(top, addWindowed, LPARAM(&walk));
    for (const DrawnControl& d : drawnControls(top)) {
        if (!d.visible || !IsWindowVisible(d.container)) continue;
        RECT r = d.bounds;
        MapWindowPoints(d.container, top, reinterpret_cast<POINT*>(&r), 2);
        found.push_back({d.name, d.text, d.text.empty() ? Kind::Other : Kind::Label, r, d.font});
    }
    return found;
}

bool empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }
bool intersect(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
bool containsWhole(const RECT& outer, const RECT& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

std::wstring wideText(const std::string& s) {
    std::wstring w(s.size(), L'\0');
    w.resize(size_t(MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), w.data(), int(w.size()))));
    return w;
}

// The room the text needs when laid out as the control lays it out, within the width it has.
SIZE textNeeds(const Placed& c, int width, UINT format) {
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontIndirectW(&c.font);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, width, 0};
    const std::wstring text = wideText(c.text);
    DrawTextW(dc, text.c_str(), int(text.size()), &r, format | DT_CALCRECT);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return {r.right, r.bottom};
}

// What does not fit, or an empty text.
std::string textFault(const Placed& c) {
    if (c.text.empty() || c.kind == Kind::Container || c.kind == Kind::Other) return {};
    const int w = c.r.right - c.r.left, h = c.r.bottom - c.r.top;
    int roomW = w, roomH = h;
    UINT format = DT_WORDBREAK | DT_EXPANDTABS;
    if (c.kind == Kind::Button) {
        roomW -= 2 * GetSystemMetrics(SM_CXEDGE) + 2;   // the frame and the focus rectangle
        roomH -= 2 * GetSystemMetrics(SM_CYEDGE);
    } else if (c.kind == Kind::CheckMark) {
        roomW -= GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE);
        format = DT_SINGLELINE;
    }
    const SIZE need = textNeeds(c, roomW, format);
    if (need.cx <= roomW && need.cy <= roomH) return {};
    return c.name + " \"" + c.text + "\" needs " + std::to_string(need.cx) + "x" + std::to_string(need.cy) +
           ", has " + std::to_string(roomW) + "x" + std::to_string(roomH);
}

// Every fault of the window's layout, one line each.
std::vector<std::string> layoutFaults(HWND top) {
    std::vector<std::string> faults;
    RECT client;
    GetClientRect(top, &client);
    const std::vector<Placed> all = controlsOf(top);
    for (size_t i = 0; i < all.size(); ++i) {
        const Placed& a = all[i];
        if (empty(a.r)) continue;
        if (!containsWhole(client, a.r)) faults.push_back(a.name + " lies outside the client area");
        if (std::string f = textFault(a); !f.empty()) faults.push_back(f);
        for (size_t j = i + 1; j < all.size(); ++j) {
            const Placed& b = all[j];
            if (empty(b.r) || !intersect(a.r, b.r)) continue;
            if (a.kind == Kind::Container && containsWhole(a.r, b.r)) continue;
            if (b.kind == Kind::Container && containsWhole(b.r, a.r)) continue;
            faults.push_back(a.name + " and " + b.name + " overlap");
        }
    }
    if (all.size() < 3) faults.push_back("only " + std::to_string(all.size()) + " controls found");
    return faults;
}

void checkLayout(HWND top, const std::string& where) {
    pumpSleep(150);
    for (const std::string& fault : layoutFaults(top)) {
        const std::string message = std::string(setup()) + ", " + where + ": " + fault;
        FAIL_CHECK(message);
    }
}

void makeDpiAware() {
    using SetAware = BOOL(WINAPI*)();
    if (auto set = reinterpret_cast<SetAware>(GetProcAddress(GetModuleHandleW(L"user32"), "SetProcessDPIAware")))
        set();
}

struct Language {
    const char* name;
    const char* file;
    int position;   // in the list of language files, sorted by name
};

}  // namespace

TEST_CASE("layout: every window and page, Russian and English, maximized and restored" *
          doctest::skip(setup() == nullptr)) {
    makeDpiAware();
    for (const Language& lang : {Language{"Russian", "rus.lng", 1}, Language{"English", "eng.lng", 0}}) {
        Program p(std::string("layout-") + lang.file);
        p.writeFile("main.ini", std::string("[Program]\r\nVersionInfo=1.0\r\nDateRelease=08.12.2026\r\n") +
                                    "ShowLangForm=y\r\nLangName=" + lang.file +
                                    "\r\nDefaultLang=" + std::to_string(lang.position) + "\r\n");
        p.markNotFirstRun();
        p.start();
        // The chooser comes first, modal; closing it applies LangName.
        HWND chooser = p.findTopLevel("TLangForm", 20000);
        REQUIRE(chooser);
        checkLayout(chooser, std::string(lang.name) + ", chooser");
        p.click(p.control("CloselangFButton", chooser));
        HWND main = p.mainWindow();
        REQUIRE(main);
        for (bool maximized : {true, false}) {
            ShowWindow(main, maximized ? SW_MAXIMIZE : SW_RESTORE);
            const std::string state = std::string(lang.name) + (maximized ? ", maximized" : ", restored");
            for (int page = 0; page < 7; ++page) {
                p.showPage(page);
                checkLayout(main, state + ", page " + std::to_string(page));
            }
            p.showPage(0);
            p.clickNamed("TweackStart");
            pumpSleep(300);   // the panel's controls are made when it comes on screen
            checkLayout(main, state + ", services page with the extra functions");
            p.clickNamed("TweackStart");
        }
        // A click on the banner opens the about window.
        PostMessageW(p.control("TopImage"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 20));
        PostMessageW(p.control("TopImage"), WM_LBUTTONUP, 0, MAKELPARAM(40, 20));
        HWND about = p.findTopLevel("TAboutForm", 5000);
        REQUIRE(about);
        checkLayout(about, std::string(lang.name) + ", about window");
    }
}
