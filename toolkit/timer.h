#pragma once
// A repeating tick on the user-interface thread, delivered by whichever message loop runs (the
// program's, a message box's, a pause's). Handlers run as event handlers do: errors are shown.
#include <cstdint>
#include <functional>

namespace tk {

class Timer {
public:
    Timer() = default;
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void start(unsigned milliseconds, std::function<void()> onTick);   // restarts a running one
    void stop();
    bool running() const { return id_ != 0; }
    void tick();   // runs the handler now, as a tick does

private:
    uintptr_t id_ = 0;
    std::function<void()> onTick_;
};

}  // namespace tk
