#include "tests/serial/SerialLinkFixture.h"

#include <chrono>

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

} // namespace
} // namespace zeft::testing
