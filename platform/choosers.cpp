#include "platform/choosers.h"

#include <windows.h>
#include <commdlg.h>

#include <cstdlib>

#include "platform/text_codec.h"
#include "toolkit/late_bound.h"
#include "toolkit/text.h"

namespace qlmr {
namespace {

LOGFONTA toLogFont(const FontChoice& font) {
    LOGFONTA lf{};
    lf.lfHeight = -std::abs(font.height);
    lf.lfWeight = font.weight;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfStrikeOut = font.strikeOut;
    lf.lfCharSet = BYTE(font.charset);
    lstrcpynA(lf.lfFaceName, utf8ToAnsi(font.face).c_str(), LF_FACESIZE);
    return lf;
}

FontChoice fromLogFont(const LOGFONTA& lf, COLORREF color) {
    FontChoice font;
    font.face = ansiToUtf8(lf.lfFaceName);
    font.height = std::abs(int(lf.lfHeight));
    font.weight = int(lf.lfWeight);
    font.italic = lf.lfItalic;
    font.underline = lf.lfUnderline;
    font.strikeOut = lf.lfStrikeOut;
    font.charset = lf.lfCharSet;
    font.color = color;
    return font;
}

class SystemChoosers : public Choosers {
public:
    bool chooseColor(void* owner, unsigned long& color) override {
        static COLORREF customColors[16] = {};
        CHOOSECOLORA cc{};
        cc.lStructSize = sizeof cc;
        cc.hwndOwner = static_cast<HWND>(owner);
        cc.rgbResult = color;
        cc.lpCustColors = customColors;
        cc.Flags = CC_RGBINIT;
        static const auto chooseColorA = tk::lateBound<decltype(&ChooseColorA)>("comdlg32.dll", "ChooseColorA");
        if (!chooseColorA || !chooseColorA(&cc)) return false;
        color = cc.rgbResult;
        return true;
    }

    bool chooseFont(void* owner, FontChoice& font) override {
        LOGFONTA lf = toLogFont(font);
        CHOOSEFONTA cf{};
        cf.lStructSize = sizeof cf;
        cf.hwndOwner = static_cast<HWND>(owner);
        cf.lpLogFont = &lf;
        cf.rgbColors = font.color;
        cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
        static const auto chooseFontA = tk::lateBound<decltype(&ChooseFontA)>("comdlg32.dll", "ChooseFontA");
        if (!chooseFontA || !chooseFontA(&cf)) return false;
        font = fromLogFont(lf, cf.rgbColors);
        return true;
    }
};

Choosers* replacement_ = nullptr;

}  // namespace

Choosers& choosers() {
    static SystemChoosers system;
    return replacement_ ? *replacement_ : system;
}

void setChoosers(Choosers* replacement) { replacement_ = replacement; }

void* createFont(const FontChoice& font) {
    LOGFONTA lf = toLogFont(font);
    return CreateFontIndirectA(&lf);
}

void deleteFont(void* font) {
    if (font) DeleteObject(static_cast<HFONT>(font));
}

int textWidth(void* font, const std::string& text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, static_cast<HFONT>(font));
    const std::wstring wide = tk::widen(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), int(wide.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return int(size.cx);
}

unsigned long systemColor(SystemColor which) {
    return GetSysColor(which == SystemColor::WindowText ? COLOR_WINDOWTEXT : COLOR_INACTIVEBORDER);
}

}  // namespace qlmr
