#pragma once
// What a screen reader reads of the program's windows (toolkit/accessible.cpp):
//  - a container tells the controls it draws itself (labels, pictures) as children with their
//    current texts, followed by its child windows;
//  - a link or picture with a window of its own tells its text;
//  - a list or memo is named after the group box it stands in, or the label that stands right
//    above it, else its tooltip, else its page; a list tells its rows, a check list each
//    row's mark.
#include <string>

namespace tk {

class Control;

// The name a list or memo is told by, in the current language.
std::string accessibleNameOf(const Control& c);

}  // namespace tk
