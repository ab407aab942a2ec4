#pragma once
// The frame styles the program's forms are made with, named so that callers need no windows.h.
// toolkit/form.cpp checks each against its WS_ name.
namespace tk {

constexpr unsigned long kStyleCaption = 0x00C00000;       // a title bar and a single border
constexpr unsigned long kStyleSystemMenu = 0x00080000;
constexpr unsigned long kStyleSizingFrame = 0x00040000;
constexpr unsigned long kStyleMinimizeBox = 0x00020000;
constexpr unsigned long kStyleMaximizeBox = 0x00010000;
constexpr unsigned long kStyleMinMaxBoxes = kStyleMinimizeBox | kStyleMaximizeBox;
constexpr unsigned long kStyleCaptionWithBoxes = kStyleCaption | kStyleSystemMenu | kStyleMinMaxBoxes;
constexpr unsigned long kStyleOverlappedWindow = kStyleCaptionWithBoxes | kStyleSizingFrame;

}  // namespace tk
