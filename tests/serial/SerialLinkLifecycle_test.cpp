#include "tests/serial/SerialLinkFixture.h"

#include <algorithm>
#include <chrono>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace zeft::testing {
namespace {

using Lifecycle = SerialLinkFixture;
using Clock = std::chrono::steady_clock;

// Opening: the worker serves within its idle period; closing a quiet port: idle within a
// pass, with no warning.
TEST_F(Lifecycle, QuietPortClosesWithoutWaitingForTheWorker) {
    Open();
    device->RunUntil(1000);
    ASSERT_TRUE(PumpUntil([&] { return device->Now() >= 1000; }));
    const auto start = Clock::now();
    link->SetActive(false);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1000));
    EXPECT_FALSE(HasReport(104));
    EXPECT_TRUE(PumpUntil([&] { return !link->WorkerRunning(); }));
}

// A device that refuses every event wait (unplugged): one report a pass, not a spin, and
// the port still closes at once.
TEST_F(Lifecycle, EventWaitThatKeepsFailingPacesTheWorker) {
    prepare = [](ScriptedSerialDevice& d) { d.Fail("StartWaitEvent", 50); };
    Open();
    PumpUntil([] { return false; }, std::chrono::milliseconds(600));
    const auto refusals =
        std::count_if(reports.begin(), reports.end(), [](const SeenReport& r) { return r.place == 9907; });
    EXPECT_GE(refusals, 2);
    EXPECT_LE(refusals, 12); // 600 ms of 75 ms passes, with room for a slow machine
    const auto start = Clock::now();
    link->SetActive(false);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1000));
    EXPECT_FALSE(HasReport(104));
}

// A close that gives up on a worker held in a hand-over, then an open under another name at
// once: the worker must leave the closed device's outstanding wait behind and serve the new
// one, so that its events come and the next close finds the worker idle.
TEST_F(Lifecycle, ReopenWhileTheWorkerIsHeldMovesItToTheNewDevice) {
    link->OnRIEvent = [](TSerialLink&) {};
    int flagEvents = 0;
    link->OnRxEventCharEvent = [&](TSerialLink&) { ++flagEvents; };
    Open();
    device->ScheduleModemStatus(100, kMsRingOn); // seen by the poll after a wait ran out
    device->RunUntil(1000);
    while (!queue.HasWork()) {
        queue.WaitForWork(Clock::now() + std::chrono::milliseconds(100));
    }
    link->SetCommPort("another");
    ASSERT_TRUE(HasReport(104));
    ASSERT_TRUE(link->Active());
    device->ScheduleEvents(50, kEvRxFlag);
    device->RunUntil(1000);
    EXPECT_TRUE(PumpUntil([&] { return flagEvents > 0; }, std::chrono::seconds(3)));
    reports.clear();
    link->SetActive(false);
    EXPECT_FALSE(HasReport(104));
    if (HasReport(104)) {
        (void)link.release(); // its destructor would wait for the worker for ever
    }
}

} // namespace
} // namespace zeft::testing

namespace zeft::testing {
namespace {

// The worker waits in a hand-over that nobody drains; destruction must drain it instead
// of waiting for a worker that waits for it.
TEST_F(Lifecycle, DestroyingWhileTheWorkerWaitsInAHandOverDoesNotDeadlock) {
    Open();
    device->ScheduleInput(10, "abc");
    device->ScheduleEvents(20, kEvRxFlag);
    device->RunUntil(1000);
    // Not draining: let the worker get stuck in its hand-over.
    while (!queue.HasWork()) {
        queue.WaitForWork(Clock::now() + std::chrono::milliseconds(100));
    }
    const auto start = Clock::now();
    link.reset();
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(10));
    // No handler ran during destruction.
    EXPECT_TRUE(clusters.empty());
    EXPECT_TRUE(reports.empty());
}

#ifndef _WIN32 // the timer that ends a hanging child is POSIX's
// The worker waits for the handler, so a handler that destroys the component can never be
// waited out: the program stops with a message instead of hanging in the destructor.
TEST_F(Lifecycle, DestroyingFromInsideAHandlerStopsWithAMessageInsteadOfHanging) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            alarm(20); // a hang ends the child without the message
            link->OnRxClusterEvent = [this](TSerialLink&) { link.reset(); };
            Open();
            device->ScheduleInput(10, "abc");
            device->RunUntil(1000);
            PumpUntil([] { return false; }, std::chrono::seconds(10));
        },
        "TSerialLink destroyed inside one of its own event handlers");
}
#endif

TEST_F(Lifecycle, DestroyingAnOpenPortClosesIt) {
    Open();
    link.reset();
    const std::vector<std::string> calls = AllCalls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Close"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "ClearRts"), calls.end());
}

} // namespace
} // namespace zeft::testing
