#pragma once
// What the controls holding rows share: reading a row's text, and adding many rows at once.
#include <string>

#include "toolkit/text.h"
#include "toolkit/win.h"

namespace tk::detail {

inline std::string listText(HWND h, UINT lenMsg, UINT textMsg, int i) {
    LRESULT n = SendMessageW(h, lenMsg, WPARAM(i), 0);
    if (n < 0) return {};
    std::wstring buf(size_t(n) + 1, L'\0');
    SendMessageW(h, textMsg, WPARAM(i), LPARAM(buf.data()));
    buf.resize(size_t(n));
    return narrow(buf);
}

// Holds a list's scroll bar and painting while it takes many rows; lists switch their own
// redraw flag, and the window then updates once instead of once a row.
class RowBatch {
public:
    explicit RowBatch(HWND list) : list_(list) { SendMessageW(list_, WM_SETREDRAW, FALSE, 0); }
    ~RowBatch() {
        SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list_, nullptr, TRUE);
    }
    RowBatch(const RowBatch&) = delete;
    RowBatch& operator=(const RowBatch&) = delete;
private:
    HWND list_;
};

}  // namespace tk::detail
