#include "serial/HandOverQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace zeft {
namespace {

using Clock = HandOverQueue::Clock;
using namespace std::chrono_literals;

// Each worker blocks until its step ran, so the main thread sees every worker's steps in
// the order handed over, and a worker never runs ahead of its step.
TEST(HandOverQueue, StepsRunOnTheDrainingThreadInOrderAndWorkersWaitForThem) {
    HandOverQueue queue;
    std::vector<int> ran;
    std::atomic<int> returned{0};
    const auto mainThread = std::this_thread::get_id();
    std::thread worker([&] {
        for (int i = 0; i < 50; ++i) {
            queue.RunOnMainThread([&, i] {
                EXPECT_EQ(std::this_thread::get_id(), mainThread);
                EXPECT_EQ(returned.load(), i); // the worker is still waiting for this step
                ran.push_back(i);
            });
            ++returned;
        }
    });
    EXPECT_TRUE(queue.DrainUntil([&] { return returned == 50; }, Clock::now() + 10s));
    worker.join();
    ASSERT_EQ(ran.size(), 50u);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(ran[static_cast<std::size_t>(i)], i);
    }
}

// A worker with a waiter waits in it: the waiter hears when each step has run, and the
// worker goes on only after that.
class CountingWaiter : public HandOverWaiter {
public:
    void AwaitStep(const std::atomic<bool>& done) override {
        ++awaits;
        std::unique_lock lock(mutex_);
        woken_.wait(lock, [&] { return done.load(); });
    }
    void StepDone() override {
        {
            std::lock_guard lock(mutex_);
            ++stepsDone;
        }
        woken_.notify_all();
    }
    std::atomic<int> awaits{0};
    std::atomic<int> stepsDone{0};

private:
    std::mutex mutex_;
    std::condition_variable woken_;
};

TEST(HandOverQueue, WorkerWithAWaiterWaitsInItUntilItsStepRan) {
    HandOverQueue queue;
    CountingWaiter waiter;
    std::vector<int> ran;
    std::atomic<int> returned{0};
    std::thread worker([&] {
        for (int i = 0; i < 20; ++i) {
            queue.RunOnMainThread(
                [&, i] {
                    ran.push_back(i);
                    std::this_thread::sleep_for(2ms);
                    EXPECT_EQ(returned.load(), i); // still waiting at the step's end
                },
                &waiter);
            ++returned;
        }
    });
    EXPECT_TRUE(queue.DrainUntil([&] { return returned == 20; }, Clock::now() + 10s));
    worker.join();
    EXPECT_EQ(ran.size(), 20u);
    EXPECT_EQ(waiter.awaits.load(), 20);
    EXPECT_EQ(waiter.stepsDone.load(), 20);
}

TEST(HandOverQueue, WakerIsCalledForEveryStep) {
    HandOverQueue queue;
    std::atomic<int> wakes{0};
    queue.SetWaker([&] { ++wakes; });
    std::thread worker([&] {
        queue.RunOnMainThread([] {});
        queue.RunOnMainThread([] {});
    });
    int ran = 0;
    while (ran < 2) {
        ASSERT_TRUE(queue.WaitForWork(Clock::now() + 10s));
        ran += static_cast<int>(queue.Drain());
    }
    worker.join();
    EXPECT_EQ(wakes.load(), 2);
}

TEST(HandOverQueue, WaitForWorkReturnsAtTheDeadlineOrWhenInterrupted) {
    HandOverQueue queue;
    const auto start = Clock::now();
    EXPECT_FALSE(queue.WaitForWork(start + 50ms));
    EXPECT_GE(Clock::now() - start, 50ms);

    std::thread interrupter([&] {
        std::this_thread::sleep_for(20ms);
        queue.Interrupt();
    });
    const auto second = Clock::now();
    EXPECT_FALSE(queue.WaitForWork(second + 30s));
    EXPECT_LT(Clock::now() - second, 10s);
    interrupter.join();
}

// A step may drain again (a modal loop in a handler) and still see later steps in order.
TEST(HandOverQueue, NestedDrainKeepsTheOrder) {
    HandOverQueue queue;
    std::vector<int> ran;
    std::atomic<bool> firstStarted{false};
    std::thread a([&] {
        queue.RunOnMainThread([&] {
            firstStarted = true;
            ran.push_back(1);
            queue.DrainUntil([&] { return ran.size() == 2; }, Clock::now() + 10s);
        });
    });
    std::thread b([&] {
        while (!firstStarted) {
            std::this_thread::sleep_for(1ms);
        }
        queue.RunOnMainThread([&] { ran.push_back(2); });
    });
    EXPECT_TRUE(queue.DrainUntil([&] { return ran.size() == 2; }, Clock::now() + 10s));
    a.join();
    b.join();
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

} // namespace
} // namespace zeft
