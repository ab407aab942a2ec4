#include "registry/check_order.h"

namespace qlmr {

void CheckOrder::add(std::unique_ptr<WatchedProcess> program, Finish finish) {
    waiting_.push_back({std::move(program), std::move(finish), nullptr});
}

void CheckOrder::finishEnded() {
    for (Waiting& w : waiting_) {
        if (w.report || !w.program->exited()) continue;
        w.program.reset();
        w.report = w.finish();
    }
}

CheckOrder::Report CheckOrder::takeNext() {
    if (waiting_.empty() || !waiting_.front().report) return nullptr;
    Report next = std::move(waiting_.front().report);
    waiting_.pop_front();
    return next;
}

}  // namespace qlmr
