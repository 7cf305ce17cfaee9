// The component over the Win32 backend, talking to a sender on a real COM port. The port
// is named by ZEFT_TEST_SENDER_PORT (scripts/wine-com-port-test.sh maps one to the
// simulated sender's pseudo-terminal under Wine); without it the test is skipped.
#include "serial/HandOverQueue.h"
#include "serial/SerialLink.h"
#include "serial/device/Win32SerialDevice.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

namespace zeft {
namespace {

using namespace std::chrono_literals;

TEST(Win32ComPortTest, ListingComesBackAndTheWriteEnds) {
    const char* port = std::getenv("ZEFT_TEST_SENDER_PORT");
    if (port == nullptr || *port == '\0') {
        GTEST_SKIP() << "no sender port given in ZEFT_TEST_SENDER_PORT";
    }
    HandOverQueue queue;
    TSerialLink link(queue);
    std::vector<std::uint32_t> errors;
    std::vector<std::uint32_t> codes;
    link.OnProcessError = [&](TSerialLink&, std::uint32_t place, std::uint32_t code, const std::string&,
                              std::uint8_t noise) {
        if (noise == 0) {
            errors.push_back(place);
            codes.push_back(code);
        }
    };
    std::string received;
    link.OnRxClusterEvent = [&](TSerialLink& sender) { received += sender.ReadNextClusterAsString(); };
    int writesDone = 0;
    link.OnWriteDone = [&](TSerialLink&) { ++writesDone; };
    link.SetCommPort(port);
    link.SetActive(true);
    ASSERT_TRUE(link.Active()) << port;

    link.SendString("++++");
    const auto deadline = HandOverQueue::Clock::now() + 10s;
    EXPECT_TRUE(queue.DrainUntil([&] { return received.find("Linear Levels = ") != std::string::npos; }, deadline))
        << received;
    EXPECT_NE(received.find("KOV"), std::string::npos) << received;
    EXPECT_NE(received.find("Top Limit = "), std::string::npos) << received;
    EXPECT_EQ(link.WrittenBytes(), 4u);
    EXPECT_FALSE(link.SendInProgress());

    link.SetActive(false);
    EXPECT_FALSE(link.Active());
    // The far end is a pseudo-terminal: it has no modem lines, so the line status, RTS, DTR
    // and (under Wine) the event wait, which watches the lines, are refused as not
    // supported (50). A read or write error is a failure.
    for (std::size_t i = 0; i < errors.size(); ++i) {
        const std::uint32_t place = errors[i];
        EXPECT_TRUE(place == 9905 || place == 9907 || place == 501 || place == 502 || place == 601 || place == 602)
            << place;
        EXPECT_EQ(codes[i], 50u) << place;
    }
}

// The worker ends an event wait by hand when the port closes. The system still holds that
// wait's record, so before the record is reused the wait must be taken back: it reports
// itself aborted with no mask, and a close with a wait outstanding gives the record back too.
TEST(Win32ComPortTest, EventWaitEndedByHandIsTakenBack) {
    const char* port = std::getenv("ZEFT_TEST_SENDER_PORT");
    if (port == nullptr || *port == '\0') {
        GTEST_SKIP() << "no sender port given in ZEFT_TEST_SENDER_PORT";
    }
    Win32SerialDevice device;
    ASSERT_EQ(device.Open(port), kDeviceOk) << port;
    // Received characters only: a pseudo-terminal has no modem lines to watch.
    ASSERT_EQ(device.SetEventMask(kEvRxChar), kDeviceOk);
    ASSERT_EQ(device.Purge(kPurgeRxClear), kDeviceOk);
    std::uint32_t mask = 0xFFFFFFFFu;
    const std::uint32_t started = device.StartWaitEvent(mask);
    if (started != kErrorIoPending) {
        GTEST_SKIP() << "the event wait did not stay outstanding here: " << started;
    }
    ASSERT_EQ(device.SignalEventCompletion(), kDeviceOk);
    ASSERT_EQ(device.WaitForCompletion(false, true, 0).Result, SerialWaitResult::EventDone);
    EXPECT_EQ(device.EventResult(mask), kErrorOperationAborted);
    EXPECT_EQ(mask, 0u);

    ASSERT_EQ(device.StartWaitEvent(mask), kErrorIoPending);
    EXPECT_EQ(device.Close(), kDeviceOk);
    EXPECT_EQ(device.WaitForCompletion(false, true, 1000).Result, SerialWaitResult::EventDone);
    EXPECT_NE(device.EventResult(mask), kDeviceOk);
    EXPECT_EQ(mask, 0u);
}

} // namespace
} // namespace zeft
