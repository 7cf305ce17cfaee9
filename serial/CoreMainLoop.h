#pragma once

#include "seams/IntervalTimer.h"
#include "serial/HandOverQueue.h"

#include <chrono>
#include <functional>
#include <vector>

namespace zeft {

class CoreLoopTimer;

// A main loop without Qt, for the command-line tool and the tests: it runs the steps the
// serial workers hand over and the ticks of its timers, one at a time, on the thread that
// runs it. It sleeps while nothing is due.
class CoreMainLoop {
public:
    using Clock = std::chrono::steady_clock;

    explicit CoreMainLoop(HandOverQueue& queue = HandOverQueue::MainThread());
    ~CoreMainLoop();
    CoreMainLoop(const CoreMainLoop&) = delete;
    CoreMainLoop& operator=(const CoreMainLoop&) = delete;

    // Runs until done() holds (checked after every step and tick) or the deadline passes;
    // returns done().
    bool RunUntil(const std::function<bool()>& done, Clock::time_point deadline);
    bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
        return RunUntil(done, Clock::now() + limit);
    }
    // Runs for the whole time given.
    void RunFor(std::chrono::milliseconds time);

    HandOverQueue& Queue() { return queue_; }

private:
    friend class CoreLoopTimer;
    void Add(CoreLoopTimer* timer);
    void Remove(CoreLoopTimer* timer);
    // Fires one timer that is due; false when none is.
    bool FireDueTimer(Clock::time_point now);
    Clock::time_point NextDue(Clock::time_point fallback) const;

    HandOverQueue& queue_;
    std::vector<CoreLoopTimer*> timers_;
};

// An interval timer whose ticks the core main loop runs.
class CoreLoopTimer : public IntervalTimer {
public:
    explicit CoreLoopTimer(CoreMainLoop& loop);
    ~CoreLoopTimer() override;
    CoreLoopTimer(const CoreLoopTimer&) = delete;
    CoreLoopTimer& operator=(const CoreLoopTimer&) = delete;

    void Start(int milliseconds) override;
    void Stop() override { enabled_ = false; }
    bool IsEnabled() const override { return enabled_; }
    int Interval() const override { return interval_; }

private:
    friend class CoreMainLoop;
    CoreMainLoop& loop_;
    bool enabled_ = false;
    int interval_ = 0;
    CoreMainLoop::Clock::time_point due_{};
};

} // namespace zeft
