#pragma once
// The system's colour and font choosers, behind a seam tests can answer, and the system colours
// the windows are drawn with.
#include <string>

namespace qlmr {

struct FontChoice {
    std::string face = "MS Sans Serif";
    int height = 11;   // pixels
    int weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    int charset = 1;   // DEFAULT_CHARSET
    unsigned long color = 0;   // text colour, 0x00BBGGRR
};

class Choosers {
public:
    virtual ~Choosers() = default;
    // Each starts from the value given and, when the user confirms, leaves the choice there.
    virtual bool chooseColor(void* owner, unsigned long& color) = 0;
    virtual bool chooseFont(void* owner, FontChoice& font) = 0;
};

Choosers& choosers();
// Replaces the choosers (tests); null restores the system's.
void setChoosers(Choosers* replacement);

// A font handle (HFONT) made from a choice; released with deleteFont once no control uses it.
void* createFont(const FontChoice& font);
void deleteFont(void* font);
// Width in pixels of one line of text drawn on the screen with that font.
int textWidth(void* font, const std::string& text);

enum class SystemColor { WindowText, InactiveBorder };
unsigned long systemColor(SystemColor which);

}  // namespace qlmr
