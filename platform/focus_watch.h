#pragma once
// Tells a window whenever the keyboard focus moves between windows of this thread.
namespace qlmr {

class FocusWatch {
public:
    // Posts message to notifyWindow with the window gaining the focus as wParam and the one
    // losing it as lParam (either may be null). Posted, so handlers run outside the move.
    FocusWatch(void* notifyWindow, unsigned message);
    ~FocusWatch();
    FocusWatch(const FocusWatch&) = delete;
    FocusWatch& operator=(const FocusWatch&) = delete;

private:
    void* window_;
    unsigned message_;
    friend struct FocusWatchHook;
};

// The window itself or one of its descendants.
bool isWindowWithin(void* window, void* ancestor);

}  // namespace qlmr
