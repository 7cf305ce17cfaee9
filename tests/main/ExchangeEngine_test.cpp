#include "tests/main/ExchangeEngineFixture.h"

#include "main/SenderSettings.h"

#include <functional>

namespace zeft::testing {
namespace {

using Kind = ScriptedPrompts::Kind;

struct ClickCase {
    const char* name;
    DeviceOperation button;
    void (ExchangeEngine::*click)();
};

const ClickCase kClicks[] = {
    {"Read", DeviceOperation::Read, &ExchangeEngine::ReadBtnClick},
    {"Restore", DeviceOperation::Restore, &ExchangeEngine::RestBtnClick},
    {"Program", DeviceOperation::Program, &ExchangeEngine::SetBtn1Click},
};

TEST_F(ExchangeEngineTest, ClosedPortWarnsAndChangesNothing) {
    for (const ClickCase& c : kClicks) {
        SCOPED_TRACE(c.name);
        prompts.shown.clear();
        link.active = false;
        controls.statusText = "before";
        controls.replyText = "before";
        (engine.*c.click)();
        ASSERT_EQ(prompts.shown.size(), 1U);
        EXPECT_EQ(prompts.shown[0].kind, Kind::Warning);
        EXPECT_EQ(prompts.shown[0].text, "Cannot Open COM port!");
        EXPECT_TRUE(link.sent.empty());
        EXPECT_TRUE(link.rtsChanges.empty());
        EXPECT_TRUE(controls.settingsEnabled);
        EXPECT_EQ(controls.statusText, "before");
        EXPECT_EQ(controls.replyText, "before");
        EXPECT_TRUE(timer.starts.empty());
        EXPECT_EQ(engine.Outcome(), ExchangeOutcome::PortClosed);
        ExpectIdle();
    }
}

TEST_F(ExchangeEngineTest, StartPowersTheSenderAndSendsNothing) {
    for (const ClickCase& c : kClicks) {
        SCOPED_TRACE(c.name);
        (engine.*c.click)();
        EXPECT_EQ(buttons.Tag(c.button), 1);
        EXPECT_EQ(buttons.tags[0] + buttons.tags[1] + buttons.tags[2], 1);
        EXPECT_TRUE(buttons.NoneEnabled());
        // Only Program Device locks the settings while it runs.
        EXPECT_EQ(controls.settingsEnabled, c.button != DeviceOperation::Program);
        EXPECT_TRUE(link.rts);
        EXPECT_TRUE(timer.IsEnabled());
        EXPECT_EQ(timer.Interval(), kIdentificationLimitMs);
        EXPECT_TRUE(link.sent.empty());
        // A second press while it runs starts nothing new.
        (engine.*c.click)();
        EXPECT_EQ(timer.starts.size(), 1U);
        EXPECT_EQ(link.rtsChanges.size(), 1U);
        engine.PowerOffZEFT();
        controls.settingsEnabled = true;
        ExpectIdle();
        timer.starts.clear();
        link.rtsChanges.clear();
    }
}

TEST_F(ExchangeEngineTest, ReadDeviceFillsTheControlsAndSucceedsWhenTheWindowEnds) {
    controls.settings.edits = {"1", "2", "3", "4", "5", "6"};
    engine.ReadBtnClick();
    PowerUpAndSendCommand();
    EXPECT_EQ(link.sent, std::vector<std::string>{"++++"});
    EXPECT_EQ(controls.replyText, "");

    // The whole listing comes at once, long before the 800 ms window ends.
    Receive(kListing);
    EXPECT_EQ(engine.ExchangeState(), 13);
    EXPECT_EQ(controls.OutputTypeIndex(), 3);
    EXPECT_EQ(controls.FluidTypeIndex(), 2);
    EXPECT_EQ(controls.settings.edits, (std::array<std::string, 6>{"10", "1500", "20", "40", "60", "80"}));
    timer.Advance(kListingWindowMs - 1);
    EXPECT_EQ(controls.statusText, "");
    EXPECT_TRUE(link.rts);
    timer.Advance(1);
    EXPECT_EQ(controls.statusText, "Device read successfully!");
    EXPECT_EQ(controls.replyText, kListing.substr(2));
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(timer.starts, (std::vector<int>{1000, 500, kFirstReplyLimitMs, 800}));
    ExpectIdle();
}

TEST_F(ExchangeEngineTest, CharactersAfterTheListingJoinTheReplyDisplay) {
    engine.ReadBtnClick();
    PowerUpAndSendCommand();
    Receive(kListing);
    Receive("tail");
    timer.AdvanceToTick();
    EXPECT_EQ(controls.replyText, kListing.substr(2) + "tail");
    EXPECT_EQ(controls.statusText, "Device read successfully!");
}

TEST_F(ExchangeEngineTest, ListingSplitIntoSingleCharactersReadsTheSame) {
    engine.ReadBtnClick();
    PowerUpAndSendCommand();
    for (char c : kListing) {
        Receive(std::string(1, c));
    }
    timer.AdvanceToTick();
    EXPECT_EQ(controls.statusText, "Device read successfully!");
    EXPECT_EQ(controls.settings.edits, (std::array<std::string, 6>{"10", "1500", "20", "40", "60", "80"}));
}

TEST_F(ExchangeEngineTest, RestoreDefaultSendsResetAndReportsTheRestore) {
    engine.RestBtnClick();
    PowerUpAndSendCommand();
    EXPECT_EQ(link.sent, std::vector<std::string>{"+RST\r"});
    EXPECT_EQ(controls.replyText, "Restoring default settings...");
    Receive("\r\nKOV\r\nOutput Type = 0 \r\nFluid Type = 0 \r\nTop Limit = 10\r\nBottom Limit = 2000\r\n"
            "Linear Levels = 20, 40, 60, 80, \r\n");
    timer.AdvanceToTick();
    EXPECT_EQ(controls.statusText, "Device restored successfully!");
    EXPECT_EQ(controls.OutputTypeIndex(), 0);
    EXPECT_EQ(controls.settings.edits[1], "2000");
    ExpectIdle();
}

TEST_F(ExchangeEngineTest, IdentificationRulesAtPowerUp) {
    struct Case {
        const char* text;
        bool recognised;
    };
    const Case cases[] = {
        {"KOV", true},   {"\r\nKOV\r\n", true}, {"xKOV", true}, {"KKOV", false},
        {"KOOV", false}, {"kov", false},        {"KO", false},  {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        prompts.shown.clear();
        engine.ReadBtnClick();
        Receive(c.text);
        EXPECT_EQ(engine.ExchangeState() == 3, c.recognised);
        engine.PowerOffZEFT();
    }
}

TEST_F(ExchangeEngineTest, StateZeroClearsStatusAndReplyDisplay) {
    controls.statusText = "Device read successfully!";
    controls.replyText = "old listing";
    engine.ReadBtnClick();
    EXPECT_EQ(controls.statusText, "Device read successfully!");
    Receive("x");
    EXPECT_EQ(controls.statusText, "");
    EXPECT_EQ(controls.replyText, "");
}

TEST_F(ExchangeEngineTest, PauseIsWaitedInFullAndItsCharactersAreDropped) {
    engine.ReadBtnClick();
    Receive("KOV");
    timer.Advance(300);
    Receive("KOV xx");
    EXPECT_EQ(engine.ExchangeState(), 3);
    timer.Advance(199);
    EXPECT_TRUE(link.sent.empty());
    timer.Advance(1);
    EXPECT_EQ(link.sent, std::vector<std::string>{"++++"});
    // Nothing said during the pause counted as the first reply character.
    EXPECT_EQ(engine.ExchangeState(), 3);
}

TEST_F(ExchangeEngineTest, ClusterWithoutOperationIsTakenAndDropped) {
    Receive("KOV\r\nOutput Type = 4 ");
    EXPECT_TRUE(link.clusters.empty());
    EXPECT_EQ(controls.OutputTypeIndex(), 0);
    EXPECT_EQ(controls.replyText, "");
    EXPECT_EQ(engine.ExchangeState(), 0);
}

TEST_F(ExchangeEngineTest, PartlyReadListingKeepsTheFieldsItWrote) {
    controls.settings.edits = {"11", "1999", "21", "41", "61", "81"};
    engine.ReadBtnClick();
    PowerUpAndSendCommand();
    Receive("\r\nKOV\r\nOutput Type = 2 \r\nFluid Type = 3 \r\nTop Limit = 20\r\nBott");
    EXPECT_EQ(engine.ExchangeState(), 7);
    EXPECT_EQ(engine.ListingField(), ListingField::BottomLimit);
    timer.AdvanceToTick();
    EXPECT_EQ(ErrorsShown(),
              std::vector<std::string>{"Fail to communicate with the device! Check connection or battery!"});
    EXPECT_EQ(controls.OutputTypeIndex(), 2);
    EXPECT_EQ(controls.FluidTypeIndex(), 3);
    EXPECT_EQ(controls.settings.edits, (std::array<std::string, 6>{"20", "1999", "21", "41", "61", "81"}));
    EXPECT_EQ(controls.replyText, "");
    ExpectIdle();
}

TEST_F(ExchangeEngineTest, UnknownTypeCodesLeaveTheListsEmpty) {
    engine.ReadBtnClick();
    PowerUpAndSendCommand();
    Receive("\r\nKOV\r\nOutput Type = 3 \r\nFluid Type = x \r\nTop Limit = 10\r\nBottom Limit = 1500\r\n"
            "Linear Levels = 20, 40, 60, 80, ");
    timer.AdvanceToTick();
    EXPECT_EQ(controls.OutputTypeIndex(), kNoSelection);
    EXPECT_EQ(controls.FluidTypeIndex(), kNoSelection);
    EXPECT_EQ(controls.statusText, "Device read successfully!");
}

TEST_F(ExchangeEngineTest, ResetExchangeClearsStepStateAndReplyDisplay) {
    controls.replyText = "KOV listing";
    engine.ResetExchange();
    EXPECT_EQ(engine.ExchangeState(), 0);
    EXPECT_EQ(engine.ProgramStep(), 0);
    EXPECT_EQ(controls.replyText, "");
}

TEST_F(ExchangeEngineTest, StrayTickWhileIdleShowsNothing) {
    engine.Timer1Timer();
    EXPECT_TRUE(prompts.shown.empty());
    ExpectIdle();
}

// The operating system's reason for a closed port rides along as detail text.
TEST(ExchangeEnginePortTest, PortProblemGoesIntoTheWarningDetail) {
    PlainSettingsControls controls;
    PlainOperationButtons buttons;
    ScriptedPrompts prompts;
    ManualTimer timer;
    FakeSenderLink link;
    ExchangeEngine engine{controls, buttons, prompts, timer, link};
    link.active = false;
    link.portProblem = "Permission denied";
    engine.ReadBtnClick();
    ASSERT_EQ(prompts.shown.size(), 1U);
    EXPECT_EQ(prompts.shown[0].kind, ScriptedPrompts::Kind::Warning);
    EXPECT_EQ(prompts.shown[0].text, "Cannot Open COM port!");
    EXPECT_EQ(prompts.shown[0].detail, "Permission denied");
}

} // namespace
} // namespace zeft::testing
