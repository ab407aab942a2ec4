#pragma once
// Labels and pictures: controls their container draws, with no window of their own.
#include <string>

#include "toolkit/component.h"

namespace tk {

class Label : public Control {
public:
    Label(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r,
          bool rightAlign = false);
    // A link is a tab stop with a window of its own: Enter and Space click it.
    void setLink(bool on);
    bool enterKey() override;
    bool handCursor() const override { return link_; }
    void setBold(bool on);
    void* handleColor(void* hdc) override;
    void handleCommand(int code) override;
    void paint(void* hdc) override;
private:
    bool link_ = false;
};

class UniLabel : public Control {
public:
    UniLabel(Form* owner, std::string name, Control* parent, const std::string& caption, Rect r);
    void paint(void* hdc) override;
};

// A picture: shows a DIB section given as a bitmap handle.
class Image : public Control {
public:
    Image(Form* owner, std::string name, Control* parent, Rect r);
    void setBitmap(void* hbitmap);   // takes ownership; null clears
    void* bitmap() const { return bitmap_; }
    ~Image() override;
    void handleCommand(int code) override;
    bool enterKey() override;
    void paint(void* hdc) override;
private:
    void* bitmap_ = nullptr;
};

}  // namespace tk
