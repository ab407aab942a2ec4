#include "app/main_form.h"
#include "platform/clock.h"

namespace qlmr {

// Waits while the windows keep handling their messages: one alertable 1 ms sleep per started
// ten milliseconds, then the remainder on the tick counter.
void MainForm::PauseWithMessages(unsigned long ms) {
    auto& app = tk::Application::instance();
    for (unsigned long i = 0; i < ms / 10 + 1; ++i) {
        sleepAlertable(1);
        app.processMessages();
    }
    const unsigned long t0 = tickCount();
    for (;;) {
        app.processMessages();
        const unsigned long t = tickCount();
        if (t - t0 >= ms % 10 || t < t0) break;
    }
}

}  // namespace qlmr
