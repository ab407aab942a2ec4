// Labels have no windows of their own: the container they lie on draws them, passes them their
// clicks, gives them tooltips by their area, and tells other processes their names and texts.
#include <doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "toolkit/form.h"
#include "toolkit/widgets.h"

namespace {

HWND hwnd(const tk::Control* c) { return static_cast<HWND>(c->handle()); }

constexpr COLORREF kRed = RGB(255, 0, 0);

struct LabelForm : tk::Form {
    LabelForm() : tk::Form("TQlmrLabelForm", "LabelForm", {0, 0, 400, 220}, WS_OVERLAPPEDWINDOW) {
        panel = make<tk::Panel>("Panel", this, tk::Rect{10, 10, 300, 180});
        plain = make<tk::Label>("Plain", panel, "Обычная", tk::Rect{4, 4, 200, 18});
        red = make<tk::Label>("Red", panel, "Красная", tk::Rect{4, 40, 200, 18});
        red->setColor(kRed);
        uni = make<tk::UniLabel>("Uni", panel, "Юникод", tk::Rect{4, 80, 200, 18});
    }
    tk::Panel* panel;
    tk::Label *plain, *red;
    tk::UniLabel* uni;
};

// What the container has painted at a point of its client area.
COLORREF pixelAt(HWND h, int x, int y) {
    RedrawWindow(h, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(h);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(h, dc);
    return c;
}

BOOL CALLBACK countOne(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int childWindows(HWND h) {
    int n = 0;
    EnumChildWindows(h, countOne, LPARAM(&n));
    return n;
}

std::vector<std::string> told;

LRESULT CALLBACK receive(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_COPYDATA) return DefWindowProcW(h, msg, wp, lp);
    auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lp);
    const char* at = static_cast<const char*>(copy->lpData);
    for (const char* end = at + copy->cbData; at < end; at += told.back().size() + 1) told.emplace_back(at);
    return TRUE;
}

BOOL CALLBACK keepTooltip(HWND h, LPARAM out) {
    wchar_t cls[64];
    GetClassNameW(h, cls, 64);
    if (std::wstring(cls) == TOOLTIPS_CLASSW) *reinterpret_cast<HWND*>(out) = h;
    return TRUE;
}

HWND tooltipOfThisThread() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), keepTooltip, LPARAM(&found));
    return found;
}

}  // namespace

TEST_CASE("a label is drawn by its container, where it lies and only while it shows") {
    LabelForm f;
    f.show();
    HWND panel = hwnd(f.panel);
    CHECK(childWindows(panel) == 0);
    CHECK_FALSE(f.red->hasHandle());
    CHECK_THROWS_AS(f.red->handle(), std::logic_error);
    // The far end of the red label is its background: no text reaches there.
    CHECK(pixelAt(panel, 200, 42) == kRed);
    f.red->setVisible(false);
    CHECK(pixelAt(panel, 200, 42) == GetSysColor(COLOR_BTNFACE));
    f.red->setVisible(true);
    f.red->setBounds({4, 120, 200, 18});
    CHECK(pixelAt(panel, 200, 42) == GetSysColor(COLOR_BTNFACE));
    CHECK(pixelAt(panel, 200, 122) == kRed);
    // Its text, font and state are kept by the label itself.
    f.red->setText("Другая");
    f.red->setEnabled(false);
    CHECK(f.red->text() == "Другая");
    CHECK_FALSE(f.red->enabled());
    CHECK(f.red->clientRect().w == 200);
}

TEST_CASE("a click on a label's part of its container reaches the label") {
    LabelForm f;
    f.show();
    HWND panel = hwnd(f.panel);
    int clicks = 0;
    f.plain->onClick = [&] { ++clicks; };
    auto clickAt = [&](int x, int y) { SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); };
    clickAt(10, 10);
    CHECK(clicks == 1);
    clickAt(10, 30);   // between the labels
    CHECK(clicks == 1);
    f.plain->setEnabled(false);
    clickAt(10, 10);
    CHECK(clicks == 1);
    f.plain->setEnabled(true);
    f.plain->setVisible(false);
    clickAt(10, 10);
    CHECK(clicks == 1);
}

TEST_CASE("a label's hint is a tooltip over its part of the container and follows it") {
    LabelForm f;
    f.show();
    f.uni->setHint("Подсказка");
    HWND tip = tooltipOfThisThread();
    REQUIRE(tip);
    wchar_t text[64] = {};
    TOOLINFOW ti{};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.hwnd = hwnd(f.panel);
    ti.uId = UINT_PTR(f.uni->id());
    ti.lpszText = text;
    REQUIRE(SendMessageW(tip, TTM_GETTOOLINFOW, 0, LPARAM(&ti)));
    CHECK(std::wstring(text) == L"Подсказка");
    CHECK(ti.rect.top == 80);
    CHECK(ti.rect.bottom == 98);
    f.uni->setBounds({4, 140, 200, 18});
    SendMessageW(tip, TTM_GETTOOLINFOW, 0, LPARAM(&ti));
    CHECK(ti.rect.top == 140);
}

TEST_CASE("a container tells a window that asks the names, texts and places of the labels it draws") {
    LabelForm f;
    f.show();
    WNDCLASSW wc{};
    wc.lpfnWndProc = receive;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QlmrLabelReceiver";
    RegisterClassW(&wc);
    HWND receiver = CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    f.plain->setText("Новая");
    told.clear();
    const UINT describe = RegisterWindowMessageW(L"QlmrWindowlessControls");
    CHECK(SendMessageW(hwnd(f.panel), describe, WPARAM(receiver), 0) == 3);
    // Name, text, then "x y w h shown weight height face" of each.
    REQUIRE(told.size() == 9);
    CHECK(std::vector<std::string>{told[0], told[1], told[3], told[4], told[6], told[7]} ==
          std::vector<std::string>{"Plain", "Новая", "Red", "Красная", "Uni", "Юникод"});
    CHECK(told[2].rfind("4 4 200 18 1 400 ", 0) == 0);
    CHECK(told[8].rfind("4 80 200 18 1 ", 0) == 0);
    // A container without labels has nothing to tell.
    told.clear();
    CHECK(SendMessageW(hwnd(&f), describe, WPARAM(receiver), 0) == 0);
    CHECK(told.empty());
    DestroyWindow(receiver);
}

TEST_CASE("texts given to labels during a pause are drawn once it ends") {
    LabelForm f;
    f.show();
    HWND panel = hwnd(f.panel);
    {
        tk::RedrawPause pause(f.panel);
        f.red->setText("Первая");
        f.red->setColor(RGB(0, 0, 255));
        CHECK(f.red->text() == "Первая");
    }
    CHECK(f.red->text() == "Первая");
    CHECK(pixelAt(panel, 200, 42) == RGB(0, 0, 255));
}
