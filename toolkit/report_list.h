#pragma once
// A list view in report style: columns with captions, rows of texts, and rows marked so that
// they catch the eye. The rows are kept here as well, so they can be read before the window
// exists.
#include <string>
#include <vector>

#include "toolkit/component.h"

namespace tk {

class ReportList : public Control {
public:
    struct Column {
        std::string caption;
        int width = 100;
    };
    struct Row {
        std::vector<std::string> cells;
        bool marked = false;
    };

    ReportList(Form* owner, std::string name, Control* parent, Rect r, std::vector<Column> columns);
    void setColumnCaptions(const std::vector<std::string>& captions);
    void setRows(std::vector<Row> rows);
    const std::vector<Row>& rows() const { return rows_; }
    const std::vector<Column>& columns() const { return columns_; }
    long long handleNotify(void* nmhdr) override;

protected:
    void realized() override;

private:
    void fillWindow();
    std::vector<Column> columns_;
    std::vector<Row> rows_;
};

}  // namespace tk
