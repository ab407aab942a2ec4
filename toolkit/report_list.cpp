#include "toolkit/report_list.h"

#include "toolkit/text.h"
#include "toolkit/win.h"

namespace tk {
namespace {

constexpr COLORREF kMarkedText = RGB(176, 0, 0);
constexpr COLORREF kMarkedBack = RGB(255, 236, 200);

using detail::hwndOf;

void setCell(HWND list, int row, int column, const std::string& text) {
    std::wstring w = widen(text);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = w.data();
    if (column == 0)
        SendMessageW(list, LVM_INSERTITEMW, 0, LPARAM(&item));
    else
        SendMessageW(list, LVM_SETITEMTEXTW, WPARAM(row), LPARAM(&item));
}

}  // namespace

ReportList::ReportList(Form* owner, std::string name, Control* parent, Rect r, std::vector<Column> columns)
    : Control(owner, std::move(name)), columns_(std::move(columns)) {
    create(WC_LISTVIEWW, WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
           WS_EX_CLIENTEDGE, parent, "", r);
}

void ReportList::realized() {
    HWND list = hwndOf(this);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (size_t i = 0; i < columns_.size(); ++i) {
        std::wstring caption = widen(columns_[i].caption);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = columns_[i].width;
        column.pszText = caption.data();
        column.iSubItem = int(i);
        SendMessageW(list, LVM_INSERTCOLUMNW, WPARAM(i), LPARAM(&column));
    }
    fillWindow();
}

void ReportList::setColumnCaptions(const std::vector<std::string>& captions) {
    for (size_t i = 0; i < columns_.size() && i < captions.size(); ++i) {
        if (columns_[i].caption == captions[i]) continue;
        columns_[i].caption = captions[i];
        if (!hasHandle()) continue;
        std::wstring caption = widen(captions[i]);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT;
        column.pszText = caption.data();
        SendMessageW(hwndOf(this), LVM_SETCOLUMNW, WPARAM(i), LPARAM(&column));
    }
}

void ReportList::setRows(std::vector<Row> rows) {
    rows_ = std::move(rows);
    if (hasHandle()) fillWindow();
}

// One redraw for the whole fill.
void ReportList::fillWindow() {
    HWND list = hwndOf(this);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    for (size_t r = 0; r < rows_.size(); ++r)
        for (size_t c = 0; c < rows_[r].cells.size() && c < columns_.size(); ++c)
            setCell(list, int(r), int(c), rows_[r].cells[c]);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

// Marked rows are drawn in dark red on a warm background.
long long ReportList::handleNotify(void* p) {
    auto* hdr = static_cast<NMHDR*>(p);
    if (hdr->code != UINT(NM_CUSTOMDRAW)) return 0;
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(p);
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw->nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    const size_t row = size_t(draw->nmcd.dwItemSpec);
    if (row < rows_.size() && rows_[row].marked) {
        draw->clrText = kMarkedText;
        draw->clrTextBk = kMarkedBack;
    }
    return CDRF_DODEFAULT;
}

}  // namespace tk
