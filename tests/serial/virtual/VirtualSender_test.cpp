#include "serial/virtual/VirtualSender.h"
#include "serial/virtual/VirtualSerialDevice.h"

#include "main/ListingParser.h"
#include "main/PlainSettingsControls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeft {
namespace {

constexpr std::int64_t kMs = 1000;

struct Heard {
    char c;
    std::int64_t atUs;
};

// Lets the sender talk until untilUs, byte by byte at the times they leave the line.
std::vector<Heard> Listen(VirtualSender& sender, std::int64_t& nowUs, std::int64_t untilUs) {
    std::vector<Heard> heard;
    for (;;) {
        const auto due = sender.NextDueUs();
        if (!due || *due > untilUs) {
            break;
        }
        nowUs = std::max(nowUs, *due);
        std::string out;
        sender.Collect(nowUs, out);
        for (char c : out) {
            heard.push_back({c, nowUs});
        }
    }
    nowUs = untilUs;
    return heard;
}

std::string Text(const std::vector<Heard>& heard) {
    std::string text;
    for (const Heard& h : heard) {
        text.push_back(h.c);
    }
    return text;
}

// A listing is good when the program's own parser reads all eight fields from it.
PlainSettingsControls ParseListing(const std::string& reply, bool& complete) {
    PlainSettingsControls controls;
    controls.settings.edits = {"", "", "", "", "", ""};
    const std::size_t kov = reply.find("KOV");
    complete = false;
    if (kov == std::string::npos) {
        return controls;
    }
    ListingParser parser;
    parser.Start();
    for (char c : reply.substr(kov + 3)) {
        complete = parser.Feed(c, controls) || complete;
    }
    return controls;
}

TEST(VirtualSenderTest, AnnouncesItselfAfterPowerUp) {
    VirtualSender sender;
    std::int64_t now = 0;
    for (int powerUp = 0; powerUp < 6; ++powerUp) {
        SCOPED_TRACE(powerUp);
        const std::int64_t on = now;
        sender.SetPower(true, on);
        const auto heard = Listen(sender, now, on + 400 * kMs);
        ASSERT_EQ(Text(heard), "\r\nKOV\r\n");
        const std::int64_t firstStart = heard.front().atUs - 1042;
        EXPECT_GE(firstStart, on + 50 * kMs);
        EXPECT_LE(firstStart, on + 150 * kMs);
        sender.SetPower(false, now);
        now += 10 * kMs;
    }
}

TEST(VirtualSenderTest, PowerOffLosesWhatWasNotSent) {
    VirtualSender sender;
    std::int64_t now = 0;
    sender.SetPower(true, now);
    sender.Receive("++++", 0); // not powered long enough to matter: still a command
    const auto first = Listen(sender, now, 200 * kMs);
    ASSERT_GT(first.size(), 10U);
    sender.Receive("++++", now);
    // Cut the power in the middle of the listing.
    const auto some = Listen(sender, now, now + 30 * kMs);
    ASSERT_FALSE(some.empty());
    sender.SetPower(false, now);
    EXPECT_TRUE(Listen(sender, now, now + 2000 * kMs).empty());
    EXPECT_FALSE(sender.NextDueUs().has_value());
    // Commands to a sender without power go nowhere.
    sender.Receive("++++", now);
    EXPECT_TRUE(Listen(sender, now, now + 2000 * kMs).empty());
}

TEST(VirtualSenderTest, ListingSatisfiesTheFieldRules) {
    VirtualSender sender;
    std::int64_t now = 0;
    sender.SetPower(true, now);
    Listen(sender, now, 200 * kMs);
    sender.Receive("++++", now);
    const std::string reply = Text(Listen(sender, now, now + 1000 * kMs));
    ASSERT_GE(reply.size(), 2U);
    EXPECT_NE(reply[0], 'K') << "the first reply character is never examined";
    bool complete = false;
    const auto controls = ParseListing(reply, complete);
    EXPECT_TRUE(complete);
    EXPECT_EQ(controls.OutputTypeIndex(), 0);
    EXPECT_EQ(controls.FluidTypeIndex(), 0);
    EXPECT_EQ(controls.settings.edits, (std::array<std::string, 6>{"10", "2000", "20", "40", "60", "80"}));
}

TEST(VirtualSenderTest, BytesLeaveAtTheBaudRatePace) {
    struct Case {
        std::uint32_t baud;
        std::int64_t charUs;
    };
    for (const Case& c : {Case{9600, 1042}, Case{1200, 8334}, Case{115200, 87}}) {
        SCOPED_TRACE(c.baud);
        VirtualSender sender;
        sender.SetBaudRate(c.baud);
        std::int64_t now = 0;
        sender.SetPower(true, now);
        Listen(sender, now, 1000 * kMs);
        sender.Receive("++++", now);
        const auto heard = Listen(sender, now, now + 5000 * kMs);
        ASSERT_GT(heard.size(), 100U);
        for (std::size_t i = 1; i < heard.size(); ++i) {
            ASSERT_EQ(heard[i].atUs - heard[i - 1].atUs, c.charUs) << "byte " << i;
        }
    }
}

TEST(VirtualSenderTest, SetCommandsAreEchoedAcknowledgedAndKept) {
    auto settings = std::make_shared<VirtualSenderSettings>(DefaultVirtualSenderSettings());
    VirtualSender sender({}, settings);
    std::int64_t now = 0;
    sender.SetPower(true, now);
    Listen(sender, now, 200 * kMs);
    const std::vector<std::string> commands = {"+SOT4\r",   "+SFT2\r",  "+STL010\r", "+SBL1500\r",
                                               "+SLA$14\r", "+SLB40\r", "+SLC60\r",  "+SLD+81\r"};
    for (const std::string& command : commands) {
        sender.Receive(command, now);
        EXPECT_EQ(Text(Listen(sender, now, now + 200 * kMs)), command + "\r\nDone\r\n");
    }
    EXPECT_EQ(*settings, (VirtualSenderSettings{"4", "2", "010", "1500", "$14", "40", "60", "+81"}));

    // Power off and on: the settings stay.
    sender.SetPower(false, now);
    sender.SetPower(true, now);
    Listen(sender, now, now + 200 * kMs);
    sender.Receive("++++", now);
    bool complete = false;
    auto controls = ParseListing(Text(Listen(sender, now, now + 1000 * kMs)), complete);
    EXPECT_TRUE(complete);
    EXPECT_EQ(controls.OutputTypeIndex(), 3);
    EXPECT_EQ(controls.settings.edits[0], "010");

    // A second sender on the same settings (the same port opened again) knows them too.
    VirtualSender again({}, settings);
    EXPECT_EQ(again.Settings()[3], "1500");

    sender.Receive("+RST\r", now);
    controls = ParseListing(Text(Listen(sender, now, now + 1000 * kMs)), complete);
    EXPECT_TRUE(complete);
    EXPECT_EQ(*settings, DefaultVirtualSenderSettings());
    EXPECT_EQ(controls.OutputTypeIndex(), 0);
    EXPECT_EQ(controls.settings.edits[1], "2000");
}

TEST(VirtualSenderTest, CommandsSplitAcrossWritesAreUnderstood) {
    VirtualSender sender;
    std::int64_t now = 0;
    sender.SetPower(true, now);
    Listen(sender, now, 200 * kMs);
    sender.Receive("+S", now);
    sender.Receive("BL12", now + 5 * kMs);
    sender.Receive("34\r", now + 9 * kMs);
    EXPECT_EQ(Text(Listen(sender, now, now + 300 * kMs)), "+SBL1234\r\r\nDone\r\n");
    sender.Receive("+XYZ\r", now);
    EXPECT_EQ(Text(Listen(sender, now, now + 300 * kMs)), "\r\nInvalid command\r\n");
    // Line ends on their own (an echo of its own words on a terminal) get no answer.
    sender.Receive("\r\nKOV\r\n", now);
    EXPECT_EQ(Text(Listen(sender, now, now + 300 * kMs)), "");
    EXPECT_EQ(sender.CommandsReceived(), 2);
    EXPECT_EQ(sender.Settings()[3], "1234");
}

struct FaultRow {
    const char* name;
    VirtualSenderFaults faults;
    std::string powerUp;  // what it says after power-up
    std::string setReply; // its answer to "+SOT1" CR
    bool listingParses;   // its answer to "++++" passes the program's parser
};

TEST(VirtualSenderTest, FaultModes) {
    const FaultRow rows[] = {
        {"none", {}, "\r\nKOV\r\n", "+SOT1\r\r\nDone\r\n", true},
        {"silent", {.silent = true}, "", "", false},
        {"old firmware", {.oldFirmware = true}, "\r\nKOV\r\n", "+SOT1\r\r\nInvalid command\r\n", true},
        {"forgetful", {.forgetful = true}, "\r\nKOV\r\n", "+SOT1\r\r\nDone\r\n", true},
        {"first D", {.firstReplyD = true}, "\r\nKOV\r\n", "Done\r\n", true},
        {"KK", {.doubledK = true}, "\r\nKKOV\r\n", "+SOT1\r\r\nDone\r\n", false},
        {"noise", {.noise = true}, "\r\nKOV\r\n", "+SOT1\r\r\nDone\r\n", true},
        {"split", {.splitBursts = true}, "\r\nKOV\r\n", "+SOT1\r\r\nDone\r\n", true},
    };
    for (const FaultRow& row : rows) {
        SCOPED_TRACE(row.name);
        VirtualSender sender(row.faults);
        std::int64_t now = 0;
        sender.SetPower(true, now);
        EXPECT_EQ(Text(Listen(sender, now, 300 * kMs)), row.powerUp);
        sender.Receive("+SOT1\r", now);
        EXPECT_EQ(Text(Listen(sender, now, now + 300 * kMs)), row.setReply);
        // Only a sender that acknowledges with "Done" and is not forgetful keeps the value.
        EXPECT_EQ(sender.Settings()[0],
                  row.setReply.find("Done") == std::string::npos || row.faults.forgetful ? "0" : "1");
        sender.Receive("++++", now);
        const auto heard = Listen(sender, now, now + 3000 * kMs);
        bool complete = false;
        ParseListing(Text(heard), complete);
        // "KK" still parses after its doubled K; what fails is the program's match of it.
        if (row.faults.doubledK) {
            EXPECT_NE(Text(heard).find("KKOV"), std::string::npos);
        } else {
            EXPECT_EQ(complete, row.listingParses);
        }
        if (row.faults.noise) {
            EXPECT_NE(Text(heard).find("~*#"), std::string::npos);
        }
        if (row.faults.splitBursts) {
            int pauses = 0;
            for (std::size_t i = 1; i < heard.size(); ++i) {
                const std::int64_t gap = heard[i].atUs - heard[i - 1].atUs;
                EXPECT_LT(gap, 150 * kMs);
                pauses += gap > 20 * kMs ? 1 : 0;
            }
            EXPECT_GE(pauses, 5);
        }
    }
}

TEST(VirtualSenderTest, StopsAnsweringAfterNCommands) {
    VirtualSender sender({.stopAfterCommands = 2});
    std::int64_t now = 0;
    sender.SetPower(true, now);
    Listen(sender, now, 300 * kMs);
    sender.Receive("+SOT1\r", now);
    EXPECT_FALSE(Text(Listen(sender, now, now + 300 * kMs)).empty());
    sender.Receive("+SFT1\r", now);
    EXPECT_FALSE(Text(Listen(sender, now, now + 300 * kMs)).empty());
    sender.Receive("+STL11\r", now);
    EXPECT_EQ(Text(Listen(sender, now, now + 300 * kMs)), "");
    EXPECT_EQ(sender.CommandsReceived(), 3);
    EXPECT_EQ(sender.Settings()[2], "10");
}

TEST(VirtualSenderTest, SlowSenderDelaysEveryReply) {
    VirtualSender sender({.replyDelayMs = 900});
    std::int64_t now = 0;
    sender.SetPower(true, now);
    Listen(sender, now, 300 * kMs);
    const std::int64_t sent = now;
    sender.Receive("++++", now);
    const auto heard = Listen(sender, now, now + 3000 * kMs);
    ASSERT_FALSE(heard.empty());
    EXPECT_GE(heard.front().atUs - sent, 900 * kMs);
}

TEST(VirtualSenderTest, AnnouncesWhileIdleWhereThereIsNoRts) {
    VirtualSender sender;
    std::int64_t now = 0;
    sender.SetIdleAnnouncement(300, now);
    const auto heard = Listen(sender, now, 1000 * kMs);
    ASSERT_EQ(Text(heard), "KOVKOVKOV");
    EXPECT_EQ(heard[3].atUs - heard[2].atUs, 300 * kMs + 1042);
    // Half a command holds the announcements back.
    sender.Receive("+STL", now);
    EXPECT_EQ(Text(Listen(sender, now, now + 1000 * kMs)), "");
    sender.Receive("12\r", now);
    EXPECT_EQ(Text(Listen(sender, now, now + 100 * kMs)), "+STL12\r\r\nDone\r\n");
}

TEST(VirtualSenderTest, PortNames) {
    struct Case {
        const char* name;
        bool valid;
        bool silent;
        bool noise;
        bool split;
        int stopAfter;
        int slowMs;
    };
    const Case cases[] = {
        {"ZEFT Virtual Sender", true, false, false, false, -1, 0},
        {"ZEFT Virtual Sender (silent)", true, true, false, false, -1, 0},
        {"ZEFT Virtual Sender (noise, split)", true, false, true, true, -1, 0},
        {"ZEFT Virtual Sender (stop after 3, slow 900)", true, false, false, false, 3, 900},
        {"ZEFT Virtual Sender (loud)", false, false, false, false, -1, 0},
        {"ZEFT Virtual Sender (stop after x)", false, false, false, false, -1, 0},
        {"ZEFT Virtual Sender2", false, false, false, false, -1, 0},
        {"/dev/ttyUSB0", false, false, false, false, -1, 0},
        {"COM1", false, false, false, false, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VirtualSenderFaults faults;
        ASSERT_EQ(ParseVirtualSenderPortName(c.name, faults), c.valid);
        if (!c.valid) {
            continue;
        }
        EXPECT_EQ(faults.silent, c.silent);
        EXPECT_EQ(faults.noise, c.noise);
        EXPECT_EQ(faults.splitBursts, c.split);
        EXPECT_EQ(faults.stopAfterCommands, c.stopAfter);
        EXPECT_EQ(faults.replyDelayMs, c.slowMs);
    }
    VirtualSenderFaults faults;
    EXPECT_TRUE(ParseVirtualSenderPortName("ZEFT Virtual Sender (old firmware, first D, KK)", faults));
    EXPECT_TRUE(faults.oldFirmware && faults.firstReplyD && faults.doubledK);
}

} // namespace
} // namespace zeft
