#include "serial/HandOverQueue.h"

#include <algorithm>
#include <utility>

namespace zeft {

HandOverQueue& HandOverQueue::MainThread() {
    static HandOverQueue queue;
    return queue;
}

void HandOverQueue::RunOnMainThread(Step step, HandOverWaiter* waiter) {
    Entry entry{std::move(step), waiter};
    std::function<void()> waker;
    {
        std::lock_guard lock(mutex_);
        pending_.push_back(&entry);
        waker = waker_;
    }
    workArrived_.notify_all();
    if (waker) {
        waker();
    }
    if (waiter) {
        waiter->AwaitStep(entry.done);
        return;
    }
    std::unique_lock lock(mutex_);
    stepDone_.wait(lock, [&entry] { return entry.done.load(); });
}

std::size_t HandOverQueue::Drain() {
    std::size_t count = 0;
    for (;;) {
        Entry* entry = nullptr;
        {
            std::lock_guard lock(mutex_);
            if (pending_.empty()) {
                return count;
            }
            entry = pending_.front();
            pending_.pop_front();
        }
        // The step runs unlocked, so that it may drain again or hand-over steps may queue.
        entry->step();
        ++count;
        // Taken before done is set: from then on the worker may return and the entry,
        // which lives on its stack, be gone.
        HandOverWaiter* waiter = entry->waiter;
        {
            std::lock_guard lock(mutex_);
            entry->done = true;
        }
        if (waiter) {
            waiter->StepDone();
        } else {
            stepDone_.notify_all();
        }
    }
}

bool HandOverQueue::HasWork() const {
    std::lock_guard lock(mutex_);
    return !pending_.empty();
}

bool HandOverQueue::WaitForWork(Clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    workArrived_.wait_until(lock, deadline, [this] { return !pending_.empty() || interrupted_; });
    interrupted_ = false;
    return !pending_.empty();
}

void HandOverQueue::Interrupt() {
    {
        std::lock_guard lock(mutex_);
        interrupted_ = true;
    }
    workArrived_.notify_all();
}

bool HandOverQueue::DrainUntil(const std::function<bool()>& done, Clock::time_point deadline) {
    constexpr auto kSlice = std::chrono::milliseconds(25);
    for (;;) {
        Drain();
        if (done()) {
            return true;
        }
        const auto now = Clock::now();
        if (now >= deadline) {
            return false;
        }
        WaitForWork(std::min(deadline, now + kSlice));
    }
}

void HandOverQueue::SetWaker(std::function<void()> waker) {
    std::lock_guard lock(mutex_);
    waker_ = std::move(waker);
}

} // namespace zeft
