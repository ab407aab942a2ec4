#pragma once
// A hidden list with a current position and a current text kept apart: setting a position makes
// the text that entry's; moving from an entry to -1 empties it; clearing and reloading keep it.
#include <string>
#include <vector>

namespace qlmr {

class IndexedList {
public:
    explicit IndexedList(std::string initialText = {}) : text_(std::move(initialText)) {}

    const std::vector<std::string>& items() const { return items_; }
    int count() const { return int(items_.size()); }
    const std::string& at(int i) const { return items_.at(size_t(i)); }
    int position() const { return position_; }
    const std::string& text() const { return text_; }

    void clear() {
        items_.clear();
        position_ = -1;
    }
    void add(std::string item) { items_.push_back(std::move(item)); }
    void assign(std::vector<std::string> items) {
        items_ = std::move(items);
        position_ = -1;
    }
    // Positions past the end select nothing (the text empties as for -1).
    void setPosition(int i) {
        if (i >= 0 && i < count()) {
            position_ = i;
            text_ = items_[size_t(i)];
        } else {
            if (position_ >= 0) text_.clear();
            position_ = -1;
        }
    }
    void setText(std::string text) { text_ = std::move(text); }

private:
    std::vector<std::string> items_;
    int position_ = -1;
    std::string text_;
};

}  // namespace qlmr
