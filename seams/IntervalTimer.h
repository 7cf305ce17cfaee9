#pragma once

#include <functional>

namespace zeft {

// The exchange engine's one interval timer. Start begins a full interval, also when the
// timer already runs; the handler runs on the main thread after every interval until the
// timer is stopped. QTimer behind it in the windows, a manual clock in tests, the core
// main loop in the command-line tool.
class IntervalTimer {
public:
    virtual ~IntervalTimer() = default;

    virtual void Start(int milliseconds) = 0;
    virtual void Stop() = 0;
    virtual bool IsEnabled() const = 0;
    virtual int Interval() const = 0;

    // Called on every tick.
    std::function<void()> OnTimer;
};

} // namespace zeft
