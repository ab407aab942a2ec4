// Labels and pictures: what they show when their container paints them, and their clicks.
#include "toolkit/labels.h"

#include <algorithm>

#include "toolkit/contrast.h"
#include "toolkit/text.h"
#include "toolkit/win.h"

namespace tk {

// Draws a label as a static text control would: its background in the brush its colour
// handler gives (the face colour by default), then its text, grey while disabled.
static void drawStaticText(Control& c, HDC dc, unsigned long style) {
    const Rect b = c.bounds();
    RECT r{b.x, b.y, b.x + b.w, b.y + b.h};
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    HBRUSH brush = static_cast<HBRUSH>(c.handleColor(dc));
    FillRect(dc, &r, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    if (!c.enabled()) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    SelectObject(dc, static_cast<HFONT>(c.font()));
    UINT format = DT_EXPANDTABS | DT_WORDBREAK | ((style & SS_TYPEMASK) == SS_RIGHT ? DT_RIGHT : DT_LEFT);
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    DrawTextW(dc, widen(c.text()).c_str(), -1, &r, format);
}

// ---- Label
// Labels are drawn by their container: a window each would cost more to make than they show.
Label::Label(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r,
             bool rightAlign)
    : Control(owner, std::move(name)) {
    createWindowless(parent, WS_VISIBLE | SS_NOTIFY | (rightAlign ? SS_RIGHT : SS_LEFT), caption, r);
}

void Label::paint(void* hdc) { drawStaticText(*this, static_cast<HDC>(hdc), style()); }

// The four weights and underlines of the labels' font are made once and shared for the
// program's life, so the labels paint with fonts already realized.
void Label::setBold(bool on) {
    static HFONT fonts[2][2] = {};
    HFONT& font = fonts[on][link_];
    if (!font) {
        LOGFONTW lf{};
        GetObjectW(detail::defaultFont(), sizeof lf, &lf);
        lf.lfWeight = on ? FW_BOLD : FW_NORMAL;
        lf.lfUnderline = link_;
        font = CreateFontIndirectW(&lf);
    }
    setFont(font);
}

void Label::setLink(bool on) {
    link_ = on;
    if (on) makeFocusable();
}

bool Label::enterKey() {
    if (!onClick) return false;
    fire(onClick);
    return true;
}

// Under a high-contrast scheme a link, and a label of a colour of its own (the about window's
// blue lines), take the system's link colour; the rest the system's text colour.
void* Label::handleColor(void* hdc) {
    const bool accent = link_ || textColor_ != 0xFFFFFFFF;
    if (highContrast() && accent) SetTextColor(static_cast<HDC>(hdc), GetSysColor(COLOR_HOTLIGHT));
    if (link_ && !highContrast()) SetTextColor(static_cast<HDC>(hdc), RGB(0, 0, 255));
    void* b = Control::handleColor(hdc);
    if (b) return b;
    if (!link_) return nullptr;
    SetBkMode(static_cast<HDC>(hdc), TRANSPARENT);
    return GetSysColorBrush(COLOR_BTNFACE);
}

void Label::handleCommand(int code) {
    if (code == STN_CLICKED) fire(onClick);
}

// ---- UniLabel
UniLabel::UniLabel(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r)
    : Control(owner, std::move(name)) {
    createWindowless(parent, WS_VISIBLE | SS_LEFT, caption, r);
}

void UniLabel::paint(void* hdc) { drawStaticText(*this, static_cast<HDC>(hdc), style()); }

// ---- Image
// Drawn by its container at its own pixel size, whatever the DPI: centred where the control is
// larger, from the top-left corner where it is smaller (a banner wider than the window shows its
// start). What the picture does not cover is the face colour.
Image::Image(Form* owner, std::string name, Control* parent, Rect r) : Control(owner, std::move(name)) {
    createWindowless(parent, WS_VISIBLE | SS_BITMAP | SS_NOTIFY, "", r);
}
Image::~Image() {
    if (bitmap_) DeleteObject(static_cast<HBITMAP>(bitmap_));
}
void Image::setBitmap(void* hbitmap) {
    if (bitmap_) DeleteObject(static_cast<HBITMAP>(bitmap_));
    bitmap_ = hbitmap;
    invalidate();
}
void Image::paint(void* hdc) {
    HDC dc = static_cast<HDC>(hdc);
    const Rect b = bounds();
    RECT area{b.x, b.y, b.x + b.w, b.y + b.h};
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    BITMAP size{};
    if (bitmap_ && GetObjectW(static_cast<HBITMAP>(bitmap_), sizeof size, &size)) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(source, static_cast<HBITMAP>(bitmap_));
        const int x = b.x + std::max(0, (b.w - int(size.bmWidth)) / 2);
        const int y = b.y + std::max(0, (b.h - int(size.bmHeight)) / 2);
        BitBlt(dc, x, y, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
        ExcludeClipRect(dc, x, y, x + size.bmWidth, y + size.bmHeight);
    }
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
}
bool Image::enterKey() {
    if (!onClick) return false;
    fire(onClick);
    return true;
}
void Image::handleCommand(int code) {
    if (code == STN_CLICKED) fire(onClick);
}

}  // namespace tk
