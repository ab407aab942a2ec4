#include "registry/import_queue.h"

namespace qlmr {

void ImportQueue::watch(std::unique_ptr<WatchedProcess> program, Finish finish) {
    order_.finishEnded();
    if (!program) return;
    order_.add(std::move(program), std::move(finish));
    if (!timer_.running()) timer_.start(kPollMilliseconds, [this] { poll(); });
}

void ImportQueue::poll() {
    if (reporting_) return;
    order_.finishEnded();
    reporting_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{reporting_};
    while (const Report report = order_.takeNext()) report();
    if (order_.empty()) timer_.stop();
}

}  // namespace qlmr
