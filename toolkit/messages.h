#pragma once
// Every private window message of the program, in the application range (WM_APP and above) so
// that none meets a system or control message. toolkit/form.cpp checks the base against WM_APP.
namespace tk {

constexpr unsigned kApplicationMessageBase = 0x8000;   // WM_APP

// Posted by a form to itself after it is first shown, so its onShow runs once it is on screen.
constexpr unsigned kFormShownMessage = kApplicationMessageBase + 1;
// The notification-area icon's callback to its owner form.
constexpr unsigned kTrayCallbackMessage = kApplicationMessageBase + 77;
// The focus watch's report that keyboard focus went to another window.
constexpr unsigned kFocusMovedMessage = kApplicationMessageBase + 78;

}  // namespace tk
