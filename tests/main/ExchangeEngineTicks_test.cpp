#include "tests/main/ExchangeEngineFixture.h"

#include <cctype>

namespace zeft::testing {
namespace {

const char* const kConnectBox = "Fail to connect with the device! Check connection or battery!";
const char* const kCommunicateBox = "Fail to communicate with the device! Check connection or battery!";
const char* const kProgramBox = "Fail to program the device! Check connection or battery!";
const char* const kFirmwareBox =
    "Fail to program the device due to incompatible firmware! Please contact KOV to upgrade!";

enum class Op { Read, Restore, Program };

struct TickRow {
    const char* name;
    Op op;
    bool beforeCommand;  // the reply comes before the first command is sent
    const char* reply;   // what the sender says, then nothing more
    int state;           // where that leaves the exchange
    long long tickAfter; // ms from the reply (or the button press) to the ending tick
    const char* box;     // error box, nullptr for none
    const char* status;  // first status panel afterwards
    ExchangeOutcome outcome;
};

// Every row of the tick table, reached by what a sender really says.
const TickRow kRows[] = {
    {"silent sender", Op::Read, true, "", 0, 1000, kConnectBox, "Fail to connect with the device!",
     ExchangeOutcome::ConnectFailed},
    {"K only", Op::Restore, true, "K", 1, 1000, kConnectBox, "Fail to connect with the device!",
     ExchangeOutcome::ConnectFailed},
    {"KO only", Op::Program, true, "KO", 2, 1000, kConnectBox, "Fail to connect with the device!",
     ExchangeOutcome::ConnectFailed},
    {"no reply to ++++", Op::Read, false, "", 3, 2000, kCommunicateBox, "Fail to communicate with the device!",
     ExchangeOutcome::CommunicateFailed},
    {"no reply to +RST", Op::Restore, false, "", 3, 2000, kCommunicateBox, "Fail to communicate with the device!",
     ExchangeOutcome::CommunicateFailed},
    {"no reply to +SOT", Op::Program, false, "", 3, 2000, kProgramBox, "Fail to program the device!",
     ExchangeOutcome::ProgramFailed},
    {"one character", Op::Read, false, "\r", 4, 800, kCommunicateBox, "Fail to communicate with the device!",
     ExchangeOutcome::CommunicateFailed},
    {"listing K", Op::Read, false, "\rK", 5, 800, kCommunicateBox, "Fail to communicate with the device!",
     ExchangeOutcome::CommunicateFailed},
    {"listing KO", Op::Restore, false, "\rKO", 6, 800, kCommunicateBox, "Fail to communicate with the device!",
     ExchangeOutcome::CommunicateFailed},
    {"listing cut", Op::Read, false, "\rKOV\r\nOutput Type", 7, 800, kCommunicateBox,
     "Fail to communicate with the device!", ExchangeOutcome::CommunicateFailed},
    {"echo only", Op::Program, false, "+SOT0\r", 8, 800, kProgramBox, "Fail to program the device!",
     ExchangeOutcome::ProgramFailed},
    {"D", Op::Program, false, "xD", 9, 800, kProgramBox, "Fail to program the device!", ExchangeOutcome::ProgramFailed},
    {"Do", Op::Program, false, "xDo", 10, 800, kProgramBox, "Fail to program the device!",
     ExchangeOutcome::ProgramFailed},
    {"Don", Op::Program, false, "xDon", 11, 800, kProgramBox, "Fail to program the device!",
     ExchangeOutcome::ProgramFailed},
    {"Done and nothing after", Op::Program, false, "xDone", 12, 800, kProgramBox, "Fail to program the device!",
     ExchangeOutcome::ProgramFailed},
    {"first reply D", Op::Program, false, "Done\r\n", 8, 800, kProgramBox, "Fail to program the device!",
     ExchangeOutcome::ProgramFailed},
    {"I without n", Op::Program, false, "xI", 14, 800, kProgramBox, "Fail to program the device!",
     ExchangeOutcome::ProgramFailed},
    {"rejection", Op::Program, false, "xInvalid command\r\n", 15, 800, kFirmwareBox, "Fail to program the device!",
     ExchangeOutcome::IncompatibleFirmware},
    {"read listing", Op::Read, false, kListing.c_str(), 13, 800, nullptr, "Device read successfully!",
     ExchangeOutcome::Success},
    {"restore listing", Op::Restore, false, kListing.c_str(), 13, 800, nullptr, "Device restored successfully!",
     ExchangeOutcome::Success},
};

class ExchangeEngineTickTest : public ExchangeEngineTest, public ::testing::WithParamInterface<TickRow> {};

TEST_P(ExchangeEngineTickTest, EndsAsTheTableSays) {
    const TickRow& row = GetParam();
    // What the end notice finds: the operation's own box and status are out before it.
    std::vector<std::string> ends;
    engine.OnOperationEnded = [&](DeviceOperation) {
        ends.push_back(controls.statusText + " | " + std::to_string(ErrorsShown().size()) + " box");
    };
    const std::vector<std::string> ended{std::string(row.status) + (row.box ? " | 1 box" : " | 0 box")};
    switch (row.op) {
    case Op::Read:
        engine.ReadBtnClick();
        break;
    case Op::Restore:
        engine.RestBtnClick();
        break;
    case Op::Program:
        engine.SetBtn1Click();
        break;
    }
    if (!row.beforeCommand) {
        PowerUpAndSendCommand();
    }
    Receive(row.reply);
    ASSERT_EQ(engine.ExchangeState(), row.state);
    const long long from = timer.Now();
    const std::size_t sentBefore = link.sent.size();
    // The sender is off before the box shows: the box's own event loop runs the timer.
    bool poweredDuringBox = false;
    prompts.whileShown = [&] { poweredDuringBox = link.rts || timer.IsEnabled(); };
    ASSERT_TRUE(timer.AdvanceToTick());
    EXPECT_FALSE(poweredDuringBox);
    EXPECT_EQ(timer.Now() - from, row.tickAfter);
    EXPECT_EQ(timer.Ticks(), row.beforeCommand ? 1 : 2);

    if (row.box == nullptr) {
        EXPECT_TRUE(ErrorsShown().empty());
        EXPECT_EQ(controls.replyText, std::string(row.reply).substr(2));
    } else {
        EXPECT_EQ(ErrorsShown(), std::vector<std::string>{row.box});
        EXPECT_EQ(controls.replyText, "");
    }
    EXPECT_EQ(controls.statusText, row.status);
    EXPECT_EQ(engine.Outcome(), row.outcome);
    EXPECT_TRUE(controls.settingsEnabled);
    EXPECT_EQ(link.sent.size(), sentBefore);
    EXPECT_EQ(ends, ended);
    ExpectIdle();

    // Whatever arrives afterwards changes nothing.
    Receive("KOV\r\nDone\r\n");
    timer.Advance(5000);
    EXPECT_EQ(controls.statusText, row.status);
    EXPECT_EQ(ends, ended) << "told once";
    ExpectIdle();
}

INSTANTIATE_TEST_SUITE_P(Rows, ExchangeEngineTickTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<TickRow>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p != '\0'; ++p) {
                                 name.push_back(std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_');
                             }
                             return name;
                         });

} // namespace
} // namespace zeft::testing
