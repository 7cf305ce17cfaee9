#include "tests/serial/SerialLinkFixture.h"

#include <chrono>

namespace zeft::testing {
namespace {

using Write = SerialLinkFixture;
using Clock = std::chrono::steady_clock;
using Mode = ScriptedSerialDevice::WriteMode;

TEST_F(Write, FinishedAtOnceFiresWriteDoneBeforeReturning) {
    Open();
    link->SendString("++++");
    EXPECT_EQ(log, std::vector<std::string>{"write done"});
    EXPECT_EQ(link->WrittenBytes(), 4u);
    EXPECT_FALSE(link->SendInProgress());
    EXPECT_EQ(device->Written(), "++++");
}

// 10 x 1100 div 1000 + 250.
TEST_F(Write, TimeOutIsTheAllowanceForTheBytes) {
    Open();
    link->SendString("0123456789");
    const SerialTimeouts timeouts = device->LastTimeouts();
    EXPECT_EQ(timeouts.WriteTotalTimeoutConstant, 261u);
    EXPECT_EQ(timeouts.ReadIntervalTimeout, 0xFFFFFFFFu);
    EXPECT_EQ(timeouts.WriteTotalTimeoutMultiplier, 0u);
}

TEST_F(Write, EmptyTextSendsNothing) {
    Open();
    link->SendString("");
    EXPECT_EQ(device->CountCalls("StartWrite 0"), 0);
    EXPECT_TRUE(log.empty());
}

TEST_F(Write, SecondWriteWhilePendingIsRefused) {
    prepare = [](ScriptedSerialDevice& d) { d.SetWriteMode(Mode::Incomplete); };
    Open();
    link->SendString("first");
    ASSERT_TRUE(link->SendInProgress());
    link->SendString("second");
    const SeenReport* refusal = FindReport(901);
    ASSERT_NE(refusal, nullptr);
    EXPECT_EQ(refusal->msg, "Msg, dont enter SendData while SendInProgress is set");
    EXPECT_EQ(refusal->noise, 2);
    EXPECT_EQ(device->CountCalls("StartWrite 6"), 0);
}

// Pending past its allowance (nothing written: 0 x 1100 / 1000 + 250 ms): given up with
// 9701 and Code 997, then OnWriteDone.
TEST_F(Write, WriteStillPendingPastItsAllowanceIsGivenUp) {
    prepare = [](ScriptedSerialDevice& d) { d.SetWriteMode(Mode::StaysPending, 0); };
    Open();
    device->RunUntil(100);
    ASSERT_TRUE(PumpUntil([&] { return device->Now() >= 100; }));
    std::uint32_t givenUpAt = 0;
    link->OnWriteDone = [&](TSerialLink&) {
        givenUpAt = device->Now();
        log.push_back("write done");
    };
    link->SendString("0123456789");
    ASSERT_TRUE(link->SendInProgress());
    device->RunUntil(1000);
    ASSERT_TRUE(PumpUntil([&] { return !log.empty() && log.back() == "write done"; }));
    // At the first pass after 250 ms had passed since the write went pending at 100.
    EXPECT_GT(givenUpAt, 350u);
    EXPECT_LE(givenUpAt, 350u + 75u);
    const SeenReport* timeout = FindReport(9701);
    ASSERT_NE(timeout, nullptr);
    EXPECT_EQ(timeout->code, 997u);
    EXPECT_EQ(timeout->msg, "Error write TimeOut");
    EXPECT_EQ(log, (std::vector<std::string>{"report 9701", "write done"}));
    EXPECT_EQ(link->WrittenBytes(), 0u);
}

TEST_F(Write, WriteEndedShortByTheDeviceIsReported) {
    prepare = [](ScriptedSerialDevice& d) { d.SetWriteMode(Mode::EndsShort, 4); };
    Open();
    link->SendString("0123456789");
    device->RunUntil(200);
    ASSERT_TRUE(PumpUntil([&] { return !log.empty() && log.back() == "write done"; }));
    EXPECT_EQ(log, (std::vector<std::string>{"report 9701", "write done"}));
    EXPECT_EQ(link->WrittenBytes(), 4u);
}

// The purge aborts the write; the worker's report of it waits for the main thread, which
// is still closing: the close waits its full 15 x 75 ms.
TEST_F(Write, ClosingAbortsAPendingWriteAndWaitsForTheWorker) {
    prepare = [](ScriptedSerialDevice& d) { d.SetWriteMode(Mode::Incomplete); };
    Open();
    link->SendString("0123456789");
    ASSERT_TRUE(link->SendInProgress());
    const auto start = Clock::now();
    link->SetActive(false);
    const auto took = Clock::now() - start;
    EXPECT_GE(took, std::chrono::milliseconds(1100));
    EXPECT_LT(took, std::chrono::seconds(10));
    const SeenReport* warning = FindReport(104);
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(warning->msg, "Warning ThreadIsRunning");
    EXPECT_EQ(warning->noise, 1);
    EXPECT_FALSE(HasReport(9702));

    ASSERT_TRUE(PumpUntil([&] { return !log.empty() && log.back() == "write done"; }));
    const SeenReport* aborted = FindReport(9702);
    ASSERT_NE(aborted, nullptr);
    EXPECT_EQ(aborted->code, kErrorOperationAborted);
    EXPECT_EQ(aborted->msg, "Error getting Overlapped Result");
    const std::vector<std::string> tail(log.end() - 2, log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"report 9702", "write done"}));
    EXPECT_FALSE(link->SendInProgress());
}

// SendData does not look at Active: on a closed port both calls fail.
TEST_F(Write, WritingToAClosedPortFailsTwice) {
    link->SendString("abc");
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].place, 902u);
    EXPECT_EQ(reports[1].place, 903u);
    EXPECT_EQ(reports[1].msg, "Error writing Data");
    EXPECT_FALSE(link->SendInProgress());
    EXPECT_TRUE(log == std::vector<std::string>({"report 902", "report 903"}));
}

} // namespace
} // namespace zeft::testing
