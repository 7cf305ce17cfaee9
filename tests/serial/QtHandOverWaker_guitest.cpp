#include "serial/QtHandOverWaker.h"

#include "serial/HandOverQueue.h"

#include <QDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using zeft::HandOverQueue;
using zeft::ui::QtHandOverWaker;

TEST(QtHandOverWakerTest, StepsRunOnTheMainThreadFromTheEventLoop) {
    HandOverQueue queue;
    QtHandOverWaker waker(queue);
    const auto mainThread = std::this_thread::get_id();
    std::atomic<int> ran{0};
    std::atomic<bool> onMainThread{true};
    std::thread worker([&] {
        for (int i = 0; i < 3; ++i) {
            queue.RunOnMainThread([&] {
                onMainThread = onMainThread && std::this_thread::get_id() == mainThread;
                ++ran;
            });
        }
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return ran == 3; }, 5000));
    worker.join();
    EXPECT_TRUE(onMainThread);
}

TEST(QtHandOverWakerTest, AModalLoopDrainsToo) {
    HandOverQueue queue;
    QtHandOverWaker waker(queue);
    QDialog dialog;
    std::atomic<bool> ran{false};
    std::thread worker;
    QTimer::singleShot(0, [&] {
        worker = std::thread([&] {
            queue.RunOnMainThread([&] {
                ran = true;
                dialog.accept();
            });
        });
    });
    // A deadline in case the step never arrives.
    QTimer::singleShot(5000, &dialog, &QDialog::reject);
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    worker.join();
    EXPECT_TRUE(ran);
}

TEST(QtHandOverWakerTest, DestroyingTheWakerRunsWhatWaitsAndUnhooks) {
    HandOverQueue queue;
    std::atomic<bool> ran{false};
    std::thread worker;
    {
        QtHandOverWaker waker(queue);
        worker = std::thread([&] { queue.RunOnMainThread([&] { ran = true; }); });
        // Wait until the step is queued, without running the event loop.
        const auto deadline = HandOverQueue::Clock::now() + std::chrono::seconds(5);
        while (!queue.HasWork() && HandOverQueue::Clock::now() < deadline) {
            std::this_thread::yield();
        }
    }
    worker.join();
    EXPECT_TRUE(ran);
    // No waker any more: a later step waits for an explicit drain.
    std::atomic<bool> later{false};
    std::thread second([&] { queue.RunOnMainThread([&] { later = true; }); });
    const auto queued = HandOverQueue::Clock::now() + std::chrono::seconds(5);
    while (!queue.HasWork() && HandOverQueue::Clock::now() < queued) {
        std::this_thread::yield();
    }
    EXPECT_FALSE(QTest::qWaitFor([&] { return later.load(); }, 50)) << "the event loop ran a step nobody woke it for";
    EXPECT_TRUE(queue.DrainUntil([&] { return later.load(); }, HandOverQueue::Clock::now() + std::chrono::seconds(5)));
    second.join();
}

} // namespace
