#include "tests/main/ExchangeEngineFixture.h"

#include "main/SenderSettings.h"

#include <array>

namespace zeft::testing {
namespace {

using Kind = ScriptedPrompts::Kind;

const std::vector<std::string> kDefaultCommands = {"+SOT0\r",  "+SFT0\r",  "+STL10\r", "+SBL2000\r",
                                                   "+SLA20\r", "+SLB40\r", "+SLC60\r", "+SLD80\r"};

// What a sender answers to "++++" once it holds the main window's initial values.
const std::string kDefaultListing = "\r\nKOV\r\nOutput Type = 0 \r\nFluid Type = 0 \r\nTop Limit = 10\r\n"
                                    "Bottom Limit = 2000\r\nLinear Levels = 20, 40, 60, 80, \r\n";

class ExchangeEngineProgramTest : public ExchangeEngineTest {
protected:
    // Acknowledges every set command sent so far with the given reply, as a sender does
    // once the previous one is out; stops at "++++".
    void AcknowledgeAll(const std::string& reply) {
        while (!link.sent.empty() && link.sent.back() != "++++" && engine.Running()) {
            const std::size_t before = link.sent.size();
            Receive(reply);
            if (link.sent.size() == before) {
                return;
            }
        }
    }
};

TEST_F(ExchangeEngineProgramTest, SendsAllEightCommandsThenReadsBack) {
    engine.SetBtn1Click();
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_FALSE(controls.settingsEnabled);
    PowerUpAndSendCommand();
    EXPECT_EQ(controls.replyText, "Programming the device now...\r");
    EXPECT_EQ(engine.ProgramStep(), 0);
    AcknowledgeAll("\r\nDone\r\n");
    std::vector<std::string> expected = kDefaultCommands;
    expected.push_back("++++");
    EXPECT_EQ(link.sent, expected);
    EXPECT_EQ(engine.ProgramStep(), 8);
    EXPECT_EQ(engine.ExchangeState(), 4);
    EXPECT_EQ(controls.replyText, "Programming the device now...\rOutput Type Updated\rFluid Type Updated\r"
                                  "Top Limit Updated\rBottom Limit Updated\rLevel A Updated\rLevel B Updated\r"
                                  "Level C Updated\rLevel D Updated\r");
    EXPECT_FALSE(controls.settingsEnabled);

    Receive(kDefaultListing);
    EXPECT_EQ(controls.replyText, kDefaultListing.substr(2));
    timer.AdvanceToTick();
    EXPECT_EQ(controls.statusText, "Device programmed successfully!");
    EXPECT_TRUE(controls.settingsEnabled);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(engine.Outcome(), ExchangeOutcome::Success);
    // 1000 to the identification, the pause, the first-reply limit, the first window,
    // then 2000 per later acknowledgement and the read-back window.
    EXPECT_EQ(timer.starts, (std::vector<int>{1000, 500, 2000, 800, 2000, 2000, 2000, 2000, 2000, 2000, 2000, 800}));
    ExpectIdle();
}

// A sender that acknowledges every command but lists other values has not been programmed.
// The controls show what it listed either way.
TEST_F(ExchangeEngineProgramTest, OnlyAReadBackOfWhatWasSentIsASuccess) {
    struct Case {
        const char* name;
        int outputTypeIndex;
        std::array<std::string, 6> edits;
        const char* box; // nullptr: success
    };
    // kListing holds codes 4 and 2, limits 10 and 1500, levels 20 to 80.
    const Case cases[] = {
        {"the same by value", 3, {"010", "1500", "20", "40", "60", "0x50"}, nullptr},
        {"bottom limit kept old",
         3,
         {"10", "1800", "20", "40", "60", "80"},
         "The device did not keep these settings: Bottom Limit (sent 1800, read 1500)."},
        {"a code and a level kept old",
         0,
         {"10", "1500", "25", "40", "60", "80"},
         "The device did not keep these settings: Output Type (sent 0, read 4), Level A (sent 25, read 20)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.shown.clear();
        link.sent.clear();
        controls.SetOutputTypeIndex(c.outputTypeIndex);
        controls.SetFluidTypeIndex(2);
        controls.settings.edits = c.edits;
        engine.SetBtn1Click();
        PowerUpAndSendCommand();
        AcknowledgeAll("\r\nDone\r\n");
        ASSERT_EQ(link.sent.back(), "++++");
        Receive(kListing);
        bool poweredDuringBox = false;
        prompts.whileShown = [&] { poweredDuringBox = link.rts; };
        timer.AdvanceToTick();
        EXPECT_FALSE(poweredDuringBox);
        if (c.box == nullptr) {
            EXPECT_TRUE(ErrorsShown().empty());
            EXPECT_EQ(controls.statusText, "Device programmed successfully!");
            EXPECT_EQ(engine.Outcome(), ExchangeOutcome::Success);
        } else {
            EXPECT_EQ(ErrorsShown(), std::vector<std::string>{c.box});
            EXPECT_EQ(controls.statusText, "Fail to program the device!");
            EXPECT_EQ(engine.Outcome(), ExchangeOutcome::SettingsNotKept);
        }
        EXPECT_EQ(controls.OutputTypeIndex(), 3);
        EXPECT_EQ(controls.settings.edits, (std::array<std::string, 6>{"10", "1500", "20", "40", "60", "80"}));
        EXPECT_EQ(controls.replyText, kListing.substr(2));
        EXPECT_TRUE(controls.settingsEnabled);
        ExpectIdle();
    }
}

TEST_F(ExchangeEngineProgramTest, CommandsCarryCodesAndTextsAsTyped) {
    controls.SetOutputTypeIndex(3);
    controls.SetFluidTypeIndex(2);
    controls.settings.edits = {"010", "$7D0", "0", "1", "2", "+3"};
    engine.SetBtn1Click();
    PowerUpAndSendCommand();
    AcknowledgeAll("xDone\r");
    EXPECT_EQ(link.sent, (std::vector<std::string>{"+SOT4\r", "+SFT2\r", "+STL010\r", "+SBL$7D0\r", "+SLA0\r",
                                                   "+SLB1\r", "+SLC2\r", "+SLD+3\r", "++++"}));
}

TEST_F(ExchangeEngineProgramTest, EchoedCommandsAreIgnoredAndTheCrAfterDoneSendsTheNext) {
    engine.SetBtn1Click();
    PowerUpAndSendCommand();
    for (std::size_t i = 0; i < kDefaultCommands.size(); ++i) {
        SCOPED_TRACE(kDefaultCommands[i]);
        ASSERT_EQ(link.sent.size(), i + 1);
        // The echo, then "Done" and CR; the CR alone moves on.
        Receive(kDefaultCommands[i] + "Done");
        EXPECT_EQ(link.sent.size(), i + 1);
        EXPECT_EQ(engine.ExchangeState(), 12);
        Receive("\r");
        EXPECT_EQ(link.sent.size(), i + 2);
    }
    EXPECT_EQ(link.sent.back(), "++++");
}

TEST_F(ExchangeEngineProgramTest, RejectionAtTheFourthStepStopsWithTheFirmwareMessage) {
    controls.SetOutputTypeIndex(1);
    engine.SetBtn1Click();
    PowerUpAndSendCommand();
    Receive("\r\nDone\r\n");
    Receive("\r\nDone\r\n");
    Receive("\r\nDone\r\n");
    ASSERT_EQ(link.sent.size(), 4U);
    EXPECT_EQ(link.sent.back(), "+SBL2000\r");
    Receive("\r\nInvalid command\r\n");
    EXPECT_EQ(engine.ExchangeState(), 15);
    timer.Advance(1999);
    EXPECT_TRUE(prompts.shown.empty());
    timer.Advance(1);
    EXPECT_EQ(ErrorsShown(),
              std::vector<std::string>{
                  "Fail to program the device due to incompatible firmware! Please contact KOV to upgrade!"});
    EXPECT_EQ(controls.statusText, "Fail to program the device!");
    EXPECT_EQ(controls.replyText, "");
    EXPECT_TRUE(controls.settingsEnabled);
    // Nothing is undone: no further command, and the controls keep their values.
    EXPECT_EQ(link.sent.size(), 4U);
    EXPECT_EQ(controls.OutputTypeIndex(), 1);
    ExpectIdle();
}

TEST_F(ExchangeEngineProgramTest, FailureDuringReadBackEnablesTheEdits) {
    engine.SetBtn1Click();
    PowerUpAndSendCommand();
    AcknowledgeAll("\r\nDone\r\n");
    ASSERT_EQ(link.sent.back(), "++++");
    Receive("\r\nKOV\r\nOutput Type = 4 ");
    EXPECT_EQ(engine.ExchangeState(), 7);
    timer.AdvanceToTick();
    EXPECT_EQ(ErrorsShown(),
              std::vector<std::string>{"Fail to communicate with the device! Check connection or battery!"});
    EXPECT_EQ(controls.statusText, "Fail to communicate with the device!");
    EXPECT_TRUE(controls.settingsEnabled);
    EXPECT_EQ(controls.OutputTypeIndex(), 3);
    ExpectIdle();
}

TEST_F(ExchangeEngineProgramTest, MissingLaterAcknowledgementFailsAfterTwoSeconds) {
    engine.SetBtn1Click();
    PowerUpAndSendCommand();
    Receive("\r\nDone\r");
    ASSERT_EQ(link.sent.size(), 2U);
    timer.Advance(1999);
    EXPECT_TRUE(engine.Running());
    timer.Advance(1);
    EXPECT_EQ(ErrorsShown(), std::vector<std::string>{"Fail to program the device! Check connection or battery!"});
    EXPECT_TRUE(controls.settingsEnabled);
    ExpectIdle();
}

TEST_F(ExchangeEngineProgramTest, RefusedBeforeAnyPortActivity) {
    struct Case {
        const char* name;
        int outputType;
        int fluidType;
        std::string topLimit;
        const char* error;
    };
    const Case cases[] = {
        {"top limit out of range", 0, 0, "9",
         "Invalid data in Set Top Limit! Top Limit must be an integer, >= 10 and <= 1000!"},
        {"no output type", kNoSelection, 0, "10", "Invalid data in Output Type! Please select an output type!"},
        {"no fluid type", 0, kNoSelection, "10", "Invalid data in Fluid Type! Please select a fluid type!"},
        {"neither", kNoSelection, kNoSelection, "10", "Invalid data in Output Type! Please select an output type!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.shown.clear();
        controls.SetOutputTypeIndex(c.outputType);
        controls.SetFluidTypeIndex(c.fluidType);
        controls.settings.edits[0] = c.topLimit;
        engine.SetBtn1Click();
        EXPECT_EQ(ErrorsShown(), std::vector<std::string>{c.error});
        EXPECT_TRUE(link.sent.empty());
        EXPECT_TRUE(link.rtsChanges.empty());
        EXPECT_TRUE(timer.starts.empty());
        EXPECT_TRUE(controls.settingsEnabled);
        EXPECT_EQ(engine.Outcome(), ExchangeOutcome::Refused);
        ExpectIdle();
    }
}

TEST_F(ExchangeEngineProgramTest, ValidationComesBeforeThePortCheck) {
    link.active = false;
    controls.settings.edits[2] = "abc";
    engine.SetBtn1Click();
    ASSERT_EQ(prompts.shown.size(), 1U);
    EXPECT_EQ(prompts.shown[0].kind, Kind::Error);
}

TEST_F(ExchangeEngineProgramTest, DeclinedTopLimitQuestionStartsNothing) {
    controls.settings.edits[0] = "11";
    prompts.Answer(ConfirmAnswer::No);
    engine.SetBtn1Click();
    EXPECT_TRUE(link.rtsChanges.empty());
    prompts.Answer(ConfirmAnswer::Yes);
    engine.SetBtn1Click();
    EXPECT_TRUE(link.rts);
    PowerUpAndSendCommand();
    Receive("xDone\r");
    Receive("xDone\r");
    EXPECT_EQ(link.sent.back(), "+STL11\r");
}

} // namespace
} // namespace zeft::testing
