#pragma once
// The order of the checks that wait for programs to end: each is finished as soon as its
// program has ended, and reported only once every check started before it has been.
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "platform/shell.h"

namespace qlmr {

class CheckOrder {
public:
    using Report = std::function<void()>;
    // Makes the check once the program has ended; what it returns reports it, in turn.
    using Finish = std::function<Report()>;

    void add(std::unique_ptr<WatchedProcess> program, Finish finish);
    // Finishes every check whose program has ended, in the order they were added.
    void finishEnded();
    // The next report whose turn has come, taken out; empty when the oldest check still waits.
    Report takeNext();
    bool empty() const { return waiting_.empty(); }
    size_t size() const { return waiting_.size(); }

private:
    struct Waiting {
        std::unique_ptr<WatchedProcess> program;
        Finish finish;
        Report report;   // set once finished
    };
    std::deque<Waiting> waiting_;
};

}  // namespace qlmr
