#pragma once
// The main window's own parts that are no controls: named components, so that every window's
// component list stays what it is, held by the window as typed pointers.
#include <string>

#include "platform/choosers.h"
#include "platform/focus_watch.h"
#include "platform/jpeg.h"
#include "toolkit/form.h"

namespace qlmr {

// What the title-bar buttons toggle.
struct CaptionBarButtons : tk::Component {
    using Component::Component;
    bool rolledUp = false;
    int restoredHeight = 0;
    bool stayOnTop = false;
};

// Whether the keyboard focus was last inside the page control, to tell an entry from outside.
struct PageFocus : tk::Component {
    PageFocus(tk::Form* owner, std::string name, void* window, unsigned message)
        : Component(owner, std::move(name)), watch(window, message) {}
    FocusWatch watch;
    bool inside = false;
};

// The colour and font dialogs remember their last choice while the program runs.
struct ColorDialog : tk::Component {
    ColorDialog(tk::Form* owner, std::string name, unsigned long initial)
        : Component(owner, std::move(name)), color(initial) {}
    unsigned long color;
};

struct FontDialog : tk::Component {
    FontDialog(tk::Form* owner, std::string name) : Component(owner, std::move(name)) {
        font.color = systemColor(SystemColor::WindowText);
    }
    ~FontDialog() override { deleteFont(applied); }
    FontChoice font;   // "MS Sans Serif", 11 pixels: 8 point at 96 dots per inch
    void* applied = nullptr;
};

// The banner as decoded. The picture control centres what it shows, and the banner's text
// stands at its left end, so it is shown cut to the window's width from the left.
struct Banner : tk::Component {
    Banner(tk::Form* owner, std::string name, void* decoded) : Component(owner, std::move(name)), picture(decoded) {}
    ~Banner() override { deletePicture(picture); }
    void* picture;
    int shownWidth = -1;
};

}  // namespace qlmr
