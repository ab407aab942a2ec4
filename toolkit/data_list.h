#pragma once
// A list view in report style that holds no rows itself: it asks for each cell's text when it
// draws it (an owner-data list), so showing another set of rows costs one count.
#include <functional>
#include <string>
#include <vector>

#include "toolkit/component.h"

namespace tk {

class DataList : public Control {
public:
    struct Column {
        std::string caption;
        int width = 100;
    };
    using CellText = std::function<std::string(int row, int column)>;

    DataList(Form* owner, std::string name, Control* parent, Rect r, std::vector<Column> columns, CellText cell);
    void setCellText(CellText cell) { cell_ = std::move(cell); }
    void setColumnCaptions(const std::vector<std::string>& captions);
    const std::vector<Column>& columns() const { return columns_; }
    // The rows the list shows, drawn again; the selection goes to `selected` (-1: none).
    void setRowCount(int rows, int selected);
    int rowCount() const { return rows_; }
    int selectedRow() const;
    // The arrow in the header of the column the rows are sorted by.
    void showSortMark(int column, bool reversed);
    long long handleNotify(void* nmhdr) override;

    std::function<void(int column)> onColumnClick;
    std::function<void()> onSelect;   // the selected row changed, by mouse, keyboard or setRowCount

protected:
    void realized() override;

private:
    std::vector<Column> columns_;
    CellText cell_;
    int rows_ = 0;
    int selected_ = -1;   // until the window exists
    int sortColumn_ = -1;
    bool sortReversed_ = false;
    std::wstring cellBuffer_;   // the text the list reads after the notice returns
    void applySortMark();
};

}  // namespace tk
