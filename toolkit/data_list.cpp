#include "toolkit/data_list.h"

#include "toolkit/text.h"
#include "toolkit/win.h"

namespace tk {

using detail::hwndOf;

DataList::DataList(Form* owner, std::string name, Control* parent, Rect r, std::vector<Column> columns, CellText cell)
    : Control(owner, std::move(name)), columns_(std::move(columns)), cell_(std::move(cell)) {
    create(WC_LISTVIEWW, WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA,
           WS_EX_CLIENTEDGE, parent, "", r);
}

void DataList::realized() {
    HWND list = hwndOf(this);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (size_t i = 0; i < columns_.size(); ++i) {
        std::wstring caption = widen(columns_[i].caption);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = scaled(columns_[i].width);
        column.pszText = caption.data();
        column.iSubItem = int(i);
        SendMessageW(list, LVM_INSERTCOLUMNW, WPARAM(i), LPARAM(&column));
    }
    const int selected = selected_;
    setRowCount(rows_, selected);
    applySortMark();
}

void DataList::setColumnCaptions(const std::vector<std::string>& captions) {
    for (size_t i = 0; i < columns_.size() && i < captions.size(); ++i) {
        columns_[i].caption = captions[i];
        if (!hasHandle()) continue;
        std::wstring caption = widen(captions[i]);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT;
        column.pszText = caption.data();
        SendMessageW(hwndOf(this), LVM_SETCOLUMNW, WPARAM(i), LPARAM(&column));
    }
}

void DataList::setRowCount(int rows, int selected) {
    rows_ = rows;
    selected_ = selected < rows ? selected : -1;
    if (!hasHandle()) return;
    HWND list = hwndOf(this);
    SendMessageW(list, LVM_SETITEMCOUNT, WPARAM(rows), 0);
    LVITEMW none{};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, WPARAM(-1), LPARAM(&none));
    if (selected_ >= 0) {
        LVITEMW item{};
        item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, WPARAM(selected_), LPARAM(&item));
        SendMessageW(list, LVM_ENSUREVISIBLE, WPARAM(selected_), FALSE);
    }
    InvalidateRect(list, nullptr, TRUE);
}

int DataList::selectedRow() const {
    if (!hasHandle()) return selected_;
    return int(SendMessageW(hwndOf(this), LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
}

void DataList::showSortMark(int column, bool reversed) {
    sortColumn_ = column;
    sortReversed_ = reversed;
    if (hasHandle()) applySortMark();
}

// Common controls 6 draw the arrow; older ones ignore the flags.
void DataList::applySortMark() {
    HWND header = HWND(SendMessageW(hwndOf(this), LVM_GETHEADER, 0, 0));
    if (!header) return;
    for (int i = 0; i < int(columns_.size()); ++i) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        if (!SendMessageW(header, HDM_GETITEMW, WPARAM(i), LPARAM(&item))) continue;
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (i == sortColumn_) item.fmt |= sortReversed_ ? HDF_SORTDOWN : HDF_SORTUP;
        SendMessageW(header, HDM_SETITEMW, WPARAM(i), LPARAM(&item));
    }
}

long long DataList::handleNotify(void* p) {
    auto* hdr = static_cast<NMHDR*>(p);
    switch (hdr->code) {
    case LVN_GETDISPINFOW: {
        auto* info = reinterpret_cast<NMLVDISPINFOW*>(p);
        if (!(info->item.mask & LVIF_TEXT) || !info->item.pszText || info->item.cchTextMax <= 0) return 0;
        cellBuffer_ = widen(cell_ ? cell_(info->item.iItem, info->item.iSubItem) : std::string());
        lstrcpynW(info->item.pszText, cellBuffer_.c_str(), info->item.cchTextMax);
        return 0;
    }
    case LVN_COLUMNCLICK:
        if (onColumnClick) {
            const int column = reinterpret_cast<NMLISTVIEW*>(p)->iSubItem;
            runHandler([this, column] { onColumnClick(column); });
        }
        return 0;
    case LVN_ITEMCHANGED: {
        const auto* change = reinterpret_cast<NMLISTVIEW*>(p);
        if ((change->uChanged & LVIF_STATE) && ((change->uNewState ^ change->uOldState) & LVIS_SELECTED)) fire(onSelect);
        return 0;
    }
    default: return 0;
    }
}

}  // namespace tk
