#include "platform/bounded_send.h"

namespace qlmr {

DWORD BoundedSender::remaining() const {
    const DWORD spent = GetTickCount() - start_;   // unsigned: right across a wrap of the counter
    return spent >= budget_ ? 0 : budget_ - spent;
}

bool BoundedSender::send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (gaveUp_) return false;
    const DWORD left = remaining();
    DWORD_PTR result = 0;
    if (left == 0 || !SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_NORMAL, left, &result))
        gaveUp_ = true;
    return !gaveUp_;
}

}  // namespace qlmr
