#pragma once
// Message boxes answered by the test: every box is recorded, questions take queued answers.
#include <deque>
#include <string>
#include <vector>

#include "toolkit/dialogs.h"

namespace qlmr::test {

struct ShownBox {
    std::string kind;   // "info", "question", "firstrun", "error"
    std::string caption;
    std::string text;
};

class ScriptedDialogs : public tk::Dialogs {
public:
    ScriptedDialogs() { tk::setDialogs(this); }
    ~ScriptedDialogs() override { tk::setDialogs(nullptr); }

    std::vector<ShownBox> shown;
    std::deque<tk::Answer> answers;   // empty: Yes

    void info(const std::string& text) override { shown.push_back({"info", "", text}); }
    tk::Answer question(const std::string& caption, const std::string& text, bool exclamation) override {
        shown.push_back({exclamation ? "firstrun" : "question", caption, text});
        if (answers.empty()) return tk::Answer::Yes;
        tk::Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void error(const std::string& text) override { shown.push_back({"error", "", text}); }

    size_t count(const std::string& kind) const {
        size_t n = 0;
        for (const auto& b : shown) n += b.kind == kind;
        return n;
    }
    std::string last(const std::string& kind) const {
        for (auto it = shown.rbegin(); it != shown.rend(); ++it)
            if (it->kind == kind) return it->text;
        return {};
    }
};

}  // namespace qlmr::test
