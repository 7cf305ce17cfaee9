#include "tests/serial/SerialLinkFixture.h"

namespace zeft::testing {
namespace {

using Cluster = SerialLinkFixture;

std::string Bytes(std::size_t count, char first = 'a') {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += static_cast<char>(first + static_cast<char>(i % 26));
    }
    return text;
}

// 40 bytes with 1100 us per character and 250 ms extra: read at the first pass after
// 40 x 1.1 + 250 = 294 ms since the buffer was last seen empty. The device's clock starts
// just before the 32-bit tick wraps, so the rule must take unsigned differences.
TEST_F(Cluster, BurstBecomesOneClusterAfterItsAllowance) {
    Open();
    device->ScheduleInput(10, Bytes(40));
    device->RunUntil(2000);
    ASSERT_TRUE(PumpUntil([&] { return device->Now() >= 2000; }));
    ASSERT_EQ(clusters.size(), 1u);
    EXPECT_EQ(clusters[0], Bytes(40));
    const std::vector<std::uint32_t> reads = device->ReadTimes();
    ASSERT_EQ(reads.size(), 1u);
    // Last seen empty at most one pass (75 ms) before the bytes came, read at most one
    // pass after the allowance ran out.
    EXPECT_GT(reads[0], 10u + 294u - 75u);
    EXPECT_LE(reads[0], 10u + 294u + 75u);
    EXPECT_EQ(link->ReadNextClusterAsString(), "");
}

TEST_F(Cluster, TwoBurstsHalfASecondApartGiveTwoClustersInOrder) {
    Open();
    device->ScheduleInput(10, Bytes(20, 'a'));
    device->ScheduleInput(510, Bytes(20, 'A'));
    device->RunUntil(3000);
    ASSERT_TRUE(PumpUntil([&] { return device->Now() >= 3000; }));
    ASSERT_EQ(clusters.size(), 2u);
    EXPECT_EQ(clusters[0], Bytes(20, 'a'));
    EXPECT_EQ(clusters[1], Bytes(20, 'A'));
}

// A pause shorter than the allowance inside a reply does not split it.
TEST_F(Cluster, ShortPauseInsideAReplyKeepsOneCluster) {
    Open();
    device->ScheduleInput(10, Bytes(20, 'a'));
    device->ScheduleInput(110, Bytes(20, 'A'));
    device->RunUntil(3000);
    ASSERT_TRUE(PumpUntil([&] { return device->Now() >= 3000; }));
    ASSERT_EQ(clusters.size(), 1u);
    EXPECT_EQ(clusters[0], Bytes(20, 'a') + Bytes(20, 'A'));
}

// ClusterSize is a threshold: everything waiting is read at once, in one cluster.
TEST_F(Cluster, ClusterSizeReachedReadsAllWaitingBytesAtOnce) {
    Open();
    device->ScheduleInput(10, Bytes(3000));
    device->ScheduleInput(10, Bytes(200, 'A'));
    device->RunUntil(10);
    ASSERT_TRUE(PumpUntil([&] { return clusters.size() == 1; }));
    EXPECT_EQ(clusters[0], Bytes(3000) + Bytes(200, 'A'));
    EXPECT_EQ(device->ReadTimes(), std::vector<std::uint32_t>{10});
}

// A setting changed while the port is open reaches the worker at once, whichever way it
// was changed: 40 bytes against a cluster size of 40 are read when they arrive.
TEST_F(Cluster, ClusterSizeChangedWhileOpenCountsForTheNextBytes) {
    const struct {
        const char* how;
        std::function<void(TSerialLink&)> change;
    } rows[] = {
        {"setter", [](TSerialLink& l) { l.SetClusterSize(40); }},
        {"stored directly",
         [](TSerialLink& l) {
             PortSettings s = l.Settings();
             s.ClusterSize = 40;
             l.StoreSettingsDirectly(s);
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.how);
        Open();
        row.change(*link);
        const std::uint32_t at = device->Now() + 10;
        device->ScheduleInput(at, Bytes(40));
        device->RunUntil(at);
        ASSERT_TRUE(PumpUntil([&] { return clusters.size() == 1; }));
        EXPECT_EQ(device->ReadTimes(), std::vector<std::uint32_t>{at});
        link->SetActive(false);
        link->SetClusterSize(3072);
        clusters.clear();
    }
}

TEST_F(Cluster, ReadRequestReadsAtOnceAndIsClearedByARead) {
    Open();
    link->SetReadRequest(true);
    device->ScheduleInput(10, "abc");
    device->RunUntil(10);
    ASSERT_TRUE(PumpUntil([&] { return clusters.size() == 1; }));
    EXPECT_EQ(clusters[0], "abc");
    EXPECT_EQ(device->ReadTimes(), std::vector<std::uint32_t>{10});
    EXPECT_FALSE(link->ReadRequest());
}

TEST_F(Cluster, ReadRequestStaysSetWhenTheReadWentPending) {
    prepare = [](ScriptedSerialDevice& d) { d.SetReadsPend(true); };
    Open();
    link->SetReadRequest(true);
    device->ScheduleInput(10, "abc");
    device->RunUntil(500);
    ASSERT_TRUE(PumpUntil([&] { return clusters.size() == 1 && device->Now() >= 500; }));
    EXPECT_EQ(clusters[0], "abc");
    EXPECT_TRUE(link->ReadRequest());
}

// The device clears its error state at every poll; the flags still reach the read
// decision and the cluster they came with.
TEST_F(Cluster, LineErrorReadsAtOnceAndTheClusterCarriesItsFlags) {
    Open();
    device->ScheduleInput(10, "x\x01y", kCeFrame);
    device->RunUntil(10);
    ASSERT_TRUE(PumpUntil([&] { return clusters.size() == 1; }));
    EXPECT_EQ(clusters[0], "x\x01y");
    EXPECT_EQ(clusterErrors[0] & kCeFrame, kCeFrame);
    // The next, clean reply carries no flags.
    device->ScheduleInput(100, "ok");
    device->RunUntil(2000);
    ASSERT_TRUE(PumpUntil([&] { return clusters.size() == 2; }));
    EXPECT_EQ(clusterErrors[1], 0u);
}

TEST_F(Cluster, NulBytesAreKept) {
    Open();
    const std::string withNuls("\0a\0\0b\0", 6);
    device->ScheduleInput(10, withNuls);
    device->RunUntil(1000);
    ASSERT_TRUE(PumpUntil([&] { return clusters.size() == 1; }));
    EXPECT_EQ(clusters[0], withNuls);
}

// Without a handler clusters pile up until read or destroyed (the sanitizer build checks
// that destruction frees them).
TEST_F(Cluster, WithoutAHandlerClustersCollectInTheQueue) {
    link->OnRxClusterEvent = nullptr;
    Open();
    device->ScheduleInput(10, "one");
    device->ScheduleInput(600, "two");
    device->RunUntil(2000);
    ASSERT_TRUE(PumpUntil([&] { return link->ClusterCount() == 2 && device->Now() >= 2000; }));
    EXPECT_EQ(link->ReadNextClusterAsString(), "one");
    EXPECT_EQ(link->ClusterCount(), 1u);
}

TEST_F(Cluster, LineEventsAreDispatchedInTheirOrder) {
    const std::vector<std::pair<TSerialEvent<TNotifyEvent> TSerialLink::*, std::string>> handlers = {
        {&TSerialLink::OnCommEvent, "comm"},
        {&TSerialLink::OnTxQueueEmptyEvent, "txempty"},
        {&TSerialLink::OnRxEventCharEvent, "rxflag"},
        {&TSerialLink::OnRxCharEvent, "rxchar"},
        {&TSerialLink::OnRLSDEvent, "rlsd"},
        {&TSerialLink::OnRingEvent, "ring"},
        {&TSerialLink::OnLineErrorEvent, "err"},
        {&TSerialLink::OnDSREvent, "dsr"},
        {&TSerialLink::OnCTSEvent, "cts"},
        {&TSerialLink::OnBreakEvent, "break"},
    };
    std::vector<std::string> fired;
    for (const auto& [member, name] : handlers) {
        link.get()->*member = [&fired, name = name](TSerialLink&) { fired.push_back(name); };
    }
    Open();
    device->ScheduleEvents(10, kEvAll);
    device->RunUntil(10);
    ASSERT_TRUE(PumpUntil([&] { return fired.size() == handlers.size(); }));
    EXPECT_EQ(fired, (std::vector<std::string>{"break", "cts", "dsr", "err", "ring", "rlsd", "rxchar", "rxflag",
                                               "txempty", "comm"}));
    EXPECT_EQ(link->CommEvent(), kEvAll);
}

// The modem lines and the device state are polled every pass; changes are events.
TEST_F(Cluster, ModemAndDeviceStateChangesFireTheirEvents) {
    std::vector<std::string> fired;
    link->OnRIEvent = [&](TSerialLink& sender) { fired.push_back(sender.RingState() ? "ring on" : "ring off"); };
    link->OnCommStat = [&](TSerialLink& sender) {
        fired.push_back("stat " + std::to_string(sender.CommStateInQueue()));
    };
    Open();
    device->ScheduleModemStatus(10, kMsCtsOn | kMsRingOn);
    device->ScheduleModemStatus(200, kMsCtsOn);
    device->ScheduleInput(300, "abc");
    device->RunUntil(1000);
    ASSERT_TRUE(PumpUntil([&] { return clusters.size() == 1 && device->Now() >= 1000; }));
    EXPECT_EQ(fired, (std::vector<std::string>{"ring on", "ring off", "stat 3", "stat 0"}));
    EXPECT_TRUE(link->CTSState());
    EXPECT_FALSE(link->DSRState());
    EXPECT_EQ(link->ModemState(), kMsCtsOn);
}

} // namespace
} // namespace zeft::testing
