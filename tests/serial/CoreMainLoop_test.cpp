#include "serial/CoreMainLoop.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

namespace zeft {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(CoreMainLoopTest, TimerTicksAtItsIntervalUntilStopped) {
    HandOverQueue queue;
    CoreMainLoop loop(queue);
    CoreLoopTimer timer(loop);
    std::vector<Clock::time_point> ticks;
    timer.OnTimer = [&] {
        ticks.push_back(Clock::now());
        if (ticks.size() == 3) {
            timer.Stop();
        }
    };
    const auto start = Clock::now();
    timer.Start(40);
    loop.RunFor(400ms);
    ASSERT_EQ(ticks.size(), 3U);
    EXPECT_FALSE(timer.IsEnabled());
    EXPECT_GE(ticks[0] - start, 40ms);
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        EXPECT_GE(ticks[i] - ticks[i - 1], 39ms);
        EXPECT_LT(ticks[i] - ticks[i - 1], 300ms);
    }
}

TEST(CoreMainLoopTest, StartBeginsAFullIntervalAgain) {
    HandOverQueue queue;
    CoreMainLoop loop(queue);
    CoreLoopTimer timer(loop);
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    timer.Start(150);
    loop.RunFor(100ms);
    timer.Start(150); // restarted before it fell due
    loop.RunFor(100ms);
    EXPECT_EQ(ticks, 0);
    EXPECT_TRUE(loop.RunUntil([&] { return ticks == 1; }, 2s));
}

TEST(CoreMainLoopTest, RunsHandedOverStepsInOrderOnItsThread) {
    HandOverQueue queue;
    CoreMainLoop loop(queue);
    std::vector<int> ran;
    std::vector<std::thread::id> threads;
    std::thread worker([&] {
        for (int i = 0; i < 5; ++i) {
            queue.RunOnMainThread([&, i] {
                ran.push_back(i);
                threads.push_back(std::this_thread::get_id());
            });
        }
    });
    const bool done = loop.RunUntil([&] { return ran.size() == 5; }, 5s);
    worker.join();
    ASSERT_TRUE(done);
    EXPECT_EQ(ran, (std::vector<int>{0, 1, 2, 3, 4}));
    for (const auto& id : threads) {
        EXPECT_EQ(id, std::this_thread::get_id());
    }
}

TEST(CoreMainLoopTest, RunUntilGivesUpAtTheDeadline) {
    HandOverQueue queue;
    CoreMainLoop loop(queue);
    const auto start = Clock::now();
    EXPECT_FALSE(loop.RunUntil([] { return false; }, 120ms));
    const auto took = Clock::now() - start;
    EXPECT_GE(took, 120ms);
    EXPECT_LT(took, 2s);
}

} // namespace
} // namespace zeft
