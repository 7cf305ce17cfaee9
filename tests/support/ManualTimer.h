#pragma once

#include "seams/IntervalTimer.h"

#include <vector>

namespace zeft::testing {

// An interval timer on a clock that moves only when the test says so. Ticks fire in
// Advance, in order, each at its exact due time; a handler that restarts or stops the
// timer is honoured before the next tick.
class ManualTimer : public IntervalTimer {
public:
    void Start(int milliseconds) override;
    void Stop() override { enabled_ = false; }
    bool IsEnabled() const override { return enabled_; }
    int Interval() const override { return interval_; }

    // Lets milliseconds pass, firing every tick that falls due.
    void Advance(long long milliseconds);
    // Lets time pass until the next tick has fired; false when the timer is stopped.
    bool AdvanceToTick();

    long long Now() const { return now_; }
    // Milliseconds left until the next tick; only meaningful while enabled.
    long long Remaining() const { return due_ - now_; }
    int Ticks() const { return ticks_; }
    // Every interval started, in order.
    std::vector<int> starts;

private:
    long long now_ = 0;
    long long due_ = 0;
    int interval_ = 0;
    bool enabled_ = false;
    int ticks_ = 0;
};

} // namespace zeft::testing
