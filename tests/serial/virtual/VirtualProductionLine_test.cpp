#include "serial/virtual/VirtualProductionLine.h"
#include "serial/virtual/VirtualSenderPortName.h"

#include <gtest/gtest.h>

#include <string>

namespace zeft {
namespace {

constexpr std::int64_t kMs = 1000;

// What the line says from now until untilUs.
std::string Heard(VirtualProductionLine& line, std::int64_t& nowUs, std::int64_t untilUs) {
    std::string text;
    for (auto due = line.NextDueUs(); due && *due <= untilUs; due = line.NextDueUs()) {
        nowUs = std::max(nowUs, *due);
        line.Collect(nowUs, text);
    }
    nowUs = untilUs;
    line.Collect(nowUs, text);
    return text;
}

// Powers the line for 300 ms: whether a sender answered.
bool Answers(VirtualProductionLine& line, std::int64_t& nowUs) {
    line.SetPower(true, nowUs);
    const bool answered = Heard(line, nowUs, nowUs + 300 * kMs).find("KOV") != std::string::npos;
    line.SetPower(false, nowUs);
    return answered;
}

// A sender stays while it is only read; once programmed and switched off it goes after one
// pace, and the next comes one pace later with the defaults, the faults the name gave its
// number, or those chosen for the next one.
TEST(VirtualProductionLineTest, SendersComeAndGoAtTheLinesPace) {
    VirtualProductionLineSetup setup;
    ASSERT_TRUE(ParseVirtualProductionLinePortName("ZEFT Virtual Production Line (pace 1000, sender 2 silent)", setup));
    VirtualProductionLine line(setup);
    std::int64_t now = 0;
    EXPECT_EQ(line.SenderNumber(), 1);
    line.SetPower(true, now);
    Heard(line, now, 300 * kMs);
    line.Receive("++++", now);
    Heard(line, now, now + 1000 * kMs);
    line.SetPower(false, now);
    now += 5000 * kMs;
    EXPECT_TRUE(Answers(line, now)) << "read only: still there";

    line.SetPower(true, now);
    Heard(line, now, now + 300 * kMs);
    line.Receive("+SOT1\r", now);
    Heard(line, now, now + 300 * kMs);
    line.SetPower(false, now);
    const std::int64_t off = now;
    EXPECT_TRUE(Answers(line, now)) << "not gone yet";
    now = off + 1000 * kMs;
    EXPECT_FALSE(Answers(line, now));
    EXPECT_EQ(line.SenderNumber(), 0);
    now = off + 2000 * kMs;
    std::string ignored;
    line.Collect(now, ignored);
    EXPECT_EQ(line.SenderNumber(), 2);
    EXPECT_FALSE(Answers(line, now)) << "sender 2 is silent, by its number";

    // A sender that comes while the interface is on powers up at once.
    VirtualProductionLine next({.paceMs = 100, .senderFaults = {}});
    now = 0;
    next.SetPower(true, now);
    Heard(next, now, 300 * kMs);
    next.Receive("+SOT1\r", now);
    Heard(next, now, now + 300 * kMs);
    next.SetPower(false, now);
    next.SetNextSenderFaults({.oldFirmware = true});
    next.SetPower(true, now + 150 * kMs);
    EXPECT_NE(Heard(next, now, now + 500 * kMs).find("KOV"), std::string::npos);
    EXPECT_EQ(next.SenderNumber(), 2);
    next.Receive("+SOT1\r", now);
    EXPECT_NE(Heard(next, now, now + 300 * kMs).find("Invalid command"), std::string::npos);
    EXPECT_EQ(next.Settings()[0], "0");
}

TEST(VirtualProductionLineTest, PortNames) {
    struct Case {
        const char* name;
        bool valid;
        int paceMs;
        bool sender2Forgetful;
    };
    const Case cases[] = {
        {"ZEFT Virtual Production Line", true, 2000, false},
        {"ZEFT Virtual Production Line (pace 300, sender 2 forgetful)", true, 300, true},
        {"ZEFT Virtual Production Line (sender 2 old firmware, sender 2 forgetful)", true, 2000, true},
        {"ZEFT Virtual Production Line (pace 0)", false, 0, false},
        {"ZEFT Virtual Production Line (sender 0 silent)", false, 0, false},
        {"ZEFT Virtual Production Line (sender 2 loud)", false, 0, false},
        {"ZEFT Virtual Production Line (sender 2)", false, 0, false},
        {"ZEFT Virtual Sender", false, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VirtualProductionLineSetup setup;
        ASSERT_EQ(ParseVirtualProductionLinePortName(c.name, setup), c.valid);
        if (c.valid) {
            EXPECT_EQ(setup.paceMs, c.paceMs);
            EXPECT_EQ(setup.senderFaults[2].forgetful, c.sender2Forgetful);
        }
    }
}

} // namespace
} // namespace zeft
