#pragma once
// A report-style list view that asks for its cells only when it draws them (owner data), so
// thousands of rows cost one count message; one row can be chosen, and choosing it is told.
#include <functional>
#include <string>
#include <vector>

#include "toolkit/component.h"

namespace tk {

class DataReportList : public Control {
public:
    struct Column {
        std::string caption;
        int width = 100;
    };
    using Row = std::vector<std::string>;

    DataReportList(Form* owner, std::string name, Control* parent, Rect r, std::vector<Column> columns);
    void setColumnCaptions(const std::vector<std::string>& captions);
    void setRows(std::vector<Row> rows);
    const std::vector<Row>& rows() const { return rows_; }
    const std::vector<Column>& columns() const { return columns_; }
    int selectedRow() const { return selected_; }   // -1 when none
    void selectRow(int row);                        // tells onSelect as a click would
    long long handleNotify(void* nmhdr) override;

    std::function<void()> onSelect;

protected:
    void realized() override;

private:
    void fillWindow();
    std::vector<Column> columns_;
    std::vector<Row> rows_;
    int selected_ = -1;
    std::wstring cell_;   // the text last handed to the view; it reads it after the reply
};

}  // namespace tk
