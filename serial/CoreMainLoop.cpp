#include "serial/CoreMainLoop.h"

#include <algorithm>

namespace zeft {

CoreMainLoop::CoreMainLoop(HandOverQueue& queue) : queue_(queue) {}

CoreMainLoop::~CoreMainLoop() = default;

void CoreMainLoop::Add(CoreLoopTimer* timer) {
    timers_.push_back(timer);
}

void CoreMainLoop::Remove(CoreLoopTimer* timer) {
    timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

CoreMainLoop::Clock::time_point CoreMainLoop::NextDue(Clock::time_point fallback) const {
    Clock::time_point next = fallback;
    for (const CoreLoopTimer* timer : timers_) {
        if (timer->enabled_ && timer->due_ < next) {
            next = timer->due_;
        }
    }
    return next;
}

bool CoreMainLoop::FireDueTimer(Clock::time_point now) {
    CoreLoopTimer* earliest = nullptr;
    for (CoreLoopTimer* timer : timers_) {
        if (timer->enabled_ && timer->due_ <= now && (earliest == nullptr || timer->due_ < earliest->due_)) {
            earliest = timer;
        }
    }
    if (earliest == nullptr) {
        return false;
    }
    // The next interval counts from this tick, like a window timer; the handler may
    // restart or stop it.
    earliest->due_ = now + std::chrono::milliseconds(std::max(earliest->interval_, 1));
    if (earliest->OnTimer) {
        earliest->OnTimer();
    }
    return true;
}

bool CoreMainLoop::RunUntil(const std::function<bool()>& done, Clock::time_point deadline) {
    for (;;) {
        while (queue_.Drain() > 0 || FireDueTimer(Clock::now())) {
            if (done()) {
                return true;
            }
        }
        if (done()) {
            return true;
        }
        const Clock::time_point now = Clock::now();
        if (now >= deadline) {
            return false;
        }
        queue_.WaitForWork(NextDue(deadline));
    }
}

void CoreMainLoop::RunFor(std::chrono::milliseconds time) {
    RunUntil([] { return false; }, Clock::now() + time);
}

CoreLoopTimer::CoreLoopTimer(CoreMainLoop& loop) : loop_(loop) {
    loop_.Add(this);
}

CoreLoopTimer::~CoreLoopTimer() {
    loop_.Remove(this);
}

void CoreLoopTimer::Start(int milliseconds) {
    interval_ = milliseconds;
    enabled_ = true;
    due_ = CoreMainLoop::Clock::now() + std::chrono::milliseconds(milliseconds);
}

} // namespace zeft
