#include "toolkit/timer.h"

#include <map>

#include "toolkit/component.h"
#include "toolkit/win.h"

namespace tk {
namespace {

std::map<uintptr_t, Timer*>& timers() {
    static std::map<uintptr_t, Timer*> all;
    return all;
}

// Thread timers carry no window: the tick finds its timer by id.
void CALLBACK timerTick(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = timers().find(id);
    if (it != timers().end()) it->second->tick();
}

}  // namespace

Timer::~Timer() { stop(); }

void Timer::start(unsigned milliseconds, std::function<void()> onTick) {
    stop();
    onTick_ = std::move(onTick);
    id_ = SetTimer(nullptr, 0, milliseconds, timerTick);
    if (id_) timers()[id_] = this;
}

void Timer::stop() {
    if (!id_) return;
    KillTimer(nullptr, id_);
    timers().erase(id_);
    id_ = 0;
}

void Timer::tick() {
    std::function<void()> handler = onTick_;   // the handler may stop or restart this timer
    runHandler(handler);
}

}  // namespace tk
