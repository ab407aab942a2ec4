#include "toolkit/data_report_list.h"

#include "toolkit/text.h"
#include "toolkit/win.h"

namespace tk {

using detail::hwndOf;

DataReportList::DataReportList(Form* owner, std::string name, Control* parent, Rect r, std::vector<Column> columns)
    : Control(owner, std::move(name)), columns_(std::move(columns)) {
    create(WC_LISTVIEWW,
           WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
               LVS_NOSORTHEADER,
           WS_EX_CLIENTEDGE, parent, "", r);
}

void DataReportList::realized() {
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

void DataReportList::setColumnCaptions(const std::vector<std::string>& captions) {
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

void DataReportList::setRows(std::vector<Row> rows) {
    rows_ = std::move(rows);
    selected_ = -1;
    if (hasHandle()) fillWindow();
}

void DataReportList::fillWindow() {
    HWND list = hwndOf(this);
    SendMessageW(list, LVM_SETITEMCOUNT, WPARAM(rows_.size()), 0);
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    if (selected_ >= 0) {
        item.state = item.stateMask;
        SendMessageW(list, LVM_SETITEMSTATE, WPARAM(selected_), LPARAM(&item));
        SendMessageW(list, LVM_ENSUREVISIBLE, WPARAM(selected_), FALSE);
    } else {
        SendMessageW(list, LVM_SETITEMSTATE, WPARAM(-1), LPARAM(&item));   // no row chosen: none marked
    }
    InvalidateRect(list, nullptr, TRUE);
}

void DataReportList::selectRow(int row) {
    selected_ = row >= 0 && size_t(row) < rows_.size() ? row : -1;
    if (hasHandle()) fillWindow();
    if (onSelect) onSelect();
}

long long DataReportList::handleNotify(void* p) {
    auto* hdr = static_cast<NMHDR*>(p);
    if (hdr->code == LVN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMLVDISPINFOW*>(p);
        const size_t row = size_t(info->item.iItem), column = size_t(info->item.iSubItem);
        if ((info->item.mask & LVIF_TEXT) && row < rows_.size() && info->item.cchTextMax > 0) {
            cell_ = column < rows_[row].size() ? widen(rows_[row][column]) : std::wstring();
            lstrcpynW(info->item.pszText, cell_.c_str(), info->item.cchTextMax);
        }
        return 0;
    }
    if (hdr->code == LVN_ITEMCHANGED) {
        auto* change = reinterpret_cast<NMLISTVIEW*>(p);
        if (!(change->uChanged & LVIF_STATE)) return 0;
        const bool nowSelected = (change->uNewState & LVIS_SELECTED) != 0;
        const bool wasSelected = (change->uOldState & LVIS_SELECTED) != 0;
        // Owner-data views tell a change of many rows with the row -1.
        const int row = nowSelected ? change->iItem
                                    : int(SendMessageW(hdr->hwndFrom, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
        if (nowSelected == wasSelected && change->iItem >= 0) return 0;
        if (row == selected_) return 0;
        selected_ = row;
        if (onSelect) onSelect();
    }
    return 0;
}

}  // namespace tk
