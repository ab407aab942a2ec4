#include "platform/bounded_send.h"

namespace qlmr {

bool BoundedSender::send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (gaveUp_ || left_ == 0) {
        gaveUp_ = true;
        return false;
    }
    const DWORD start = GetTickCount();
    DWORD_PTR result = 0;
    const bool answered =
        SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_NORMAL, left_, &result) != 0;
    const DWORD spent = GetTickCount() - start;   // unsigned: right across a wrap of the counter
    left_ = spent >= left_ ? 0 : left_ - spent;
    gaveUp_ = !answered;
    return answered;
}

}  // namespace qlmr
