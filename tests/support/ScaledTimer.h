#pragma once

#include "seams/IntervalTimer.h"
#include "serial/CoreMainLoop.h"

namespace zeft::testing {

// The engine's timer on the core main loop with every interval divided, so that a soak of
// hundreds of operations fits the test run. The waits keep their order and proportions;
// Interval() gives the engine the interval it asked for. A divisor of 1 is the plain timer.
class ScaledTimer : public IntervalTimer {
public:
    ScaledTimer(CoreMainLoop& loop, int divisor);

    void Start(int milliseconds) override;
    void Stop() override { inner_.Stop(); }
    bool IsEnabled() const override { return inner_.IsEnabled(); }
    int Interval() const override { return interval_; }

private:
    CoreLoopTimer inner_;
    int divisor_;
    int interval_ = 0;
};

} // namespace zeft::testing
