#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>

namespace zeft {

// What a worker does while its step waits for the main thread, instead of sleeping on the
// queue: a device whose driver lives in this process keeps receiving, as a kernel driver
// does while the worker is blocked.
class HandOverWaiter {
public:
    virtual ~HandOverWaiter() = default;
    // Worker: returns once done holds.
    virtual void AwaitStep(const std::atomic<bool>& done) = 0;
    // Draining thread, right after done was set: cuts AwaitStep's wait short.
    virtual void StepDone() = 0;
};

// Steps that worker threads hand to the main thread. A worker hands a step over and
// blocks until the main thread has run it; steps run one at a time, in the order handed
// over, on whichever thread drains the queue (the main thread). The windows wake a drain
// through the Qt event loop from the waker callback; tests and the command-line tool
// drain from their own loop with WaitForWork and Drain.
class HandOverQueue {
public:
    using Step = std::function<void()>;
    using Clock = std::chrono::steady_clock;

    HandOverQueue() = default;
    HandOverQueue(const HandOverQueue&) = delete;
    HandOverQueue& operator=(const HandOverQueue&) = delete;

    // The queue of the program's main thread, which every serial component uses unless
    // it is given another.
    static HandOverQueue& MainThread();

    // Worker side: queues the step, calls the waker, and returns once the step has run.
    // Never call it on the draining thread. With a waiter, the worker waits in it; the
    // waiter must outlive the step.
    void RunOnMainThread(Step step, HandOverWaiter* waiter = nullptr);

    // Main thread: runs every step pending now and those handed over meanwhile, in order;
    // returns how many ran. Steps may drain again (a modal loop inside a handler).
    std::size_t Drain();
    bool HasWork() const;
    // Blocks until a step is pending, Interrupt is called or the deadline passes; true
    // when a step is pending. For a main loop that has nothing else to wait on.
    bool WaitForWork(Clock::time_point deadline);
    // Ends a WaitForWork early (from any thread): a worker that ended, a loop that quits.
    void Interrupt();
    // Main-thread wait for a worker: drains the queue while it waits until done() holds or
    // the deadline passes; returns done(). done() is checked at least every 25 ms.
    bool DrainUntil(const std::function<bool()>& done, Clock::time_point deadline);

    // Called on the handing thread each time a step arrives (set it before any worker
    // runs). The Qt side posts a drain into its event loop here; it must not block.
    void SetWaker(std::function<void()> waker);

private:
    struct Entry {
        Step step;
        HandOverWaiter* waiter = nullptr;
        std::atomic<bool> done{false};
    };

    mutable std::mutex mutex_;
    std::condition_variable workArrived_;
    std::condition_variable stepDone_;
    std::deque<Entry*> pending_;
    std::function<void()> waker_;
    bool interrupted_ = false;
};

} // namespace zeft
