#pragma once
// Checks that wait for a program the shell started (the registry editor) to end, without
// blocking the window: a timer looks at the programs; each check is made as soon as its program
// has ended, so that it reads the registry before a later import changes it, and reported in
// the order the programs were started. No check replaces another.
#include "registry/check_order.h"
#include "toolkit/timer.h"

namespace qlmr {

class ImportQueue {
public:
    using Report = CheckOrder::Report;
    using Finish = CheckOrder::Finish;

    ImportQueue() = default;
    ImportQueue(const ImportQueue&) = delete;
    ImportQueue& operator=(const ImportQueue&) = delete;

    // Without a program to watch (a shell that gives none) there is nothing to wait for, and no check.
    void watch(std::unique_ptr<WatchedProcess> program, Finish finish);
    // Finishes every check whose program has ended and reports those whose turn it is.
    void poll();
    // Finishes the checks whose program has ended, without reporting: before another import starts.
    void settle() { order_.finishEnded(); }
    bool pending() const { return !order_.empty(); }

    static constexpr unsigned kPollMilliseconds = 100;

private:
    CheckOrder order_;
    tk::Timer timer_;
    bool reporting_ = false;   // a report may show a box, whose loop ticks the timer again
};

}  // namespace qlmr
