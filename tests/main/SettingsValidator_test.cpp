#include "main/SettingsValidator.h"

#include "main/PlainSettingsControls.h"
#include "main/SenderSettings.h"
#include "tests/support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <ostream>
#include <string>

namespace zeft {
namespace {

using testing::ScriptedPrompts;
using Kind = ScriptedPrompts::Kind;

constexpr const char* kTopRange = "Invalid data in Set Top Limit! Top Limit must be an integer, >= 10 and <= 1000!";
constexpr const char* kBottomRange =
    "Invalid data in Set Bottom Limit! Bottom Limit must be an integer, >= 100 and <= 2000!";
constexpr const char* kTopBottomOrder = "Top Limit cannot be equal or greater than Bottom Limit!";
constexpr const char* kLevelARange = "Invalid data in Set Level A! Level A must be an integer, >= 0 and <= 100!";
constexpr const char* kLevelBRange = "Invalid data in Set Level B! Level B must be an integer, >= 0 and <= 100!";
constexpr const char* kLevelCRange = "Invalid data in Set Level C! Level C must be an integer, >= 0 and <= 100!";
constexpr const char* kLevelDRange = "Invalid data in Set Level D! Level D must be an integer, >= 0 and <= 100!";
constexpr const char* kABOrder = "Level A cannot be equal or greater than Level B!";
constexpr const char* kBCOrder = "Level B cannot be equal or greater than Level C!";
constexpr const char* kCDOrder = "Level C cannot be equal or greater than Level D!";

std::string Question(const std::string& top) {
    return "The top limit should be 10mm except where tank sender spacer is used. Are you sure to set it to " + top +
           "mm?";
}

struct ValidationCase {
    const char* name;
    std::array<std::string, 6> edits; // top, bottom, A, B, C, D
    std::optional<ConfirmAnswer> answer;
    const char* error; // nullptr when validation passes
};

void PrintTo(const ValidationCase& c, std::ostream* out) {
    *out << c.name;
}

class ValidateSettingsTest : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(ValidateSettingsTest, StopsAtTheFirstProblemWithItsMessage) {
    const ValidationCase& c = GetParam();
    PlainSettingsControls controls;
    controls.settings.edits = c.edits;
    controls.statusText = "status";
    controls.replyText = "reply";
    const PlainSettingsControls before = controls;
    ScriptedPrompts prompts;
    if (c.answer) {
        prompts.Answer(*c.answer);
    }

    const bool result = ValidateSettings(controls, prompts);

    EXPECT_EQ(result, c.error == nullptr);
    std::size_t next = 0;
    if (c.answer) {
        ASSERT_GE(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].kind, Kind::Confirm);
        EXPECT_EQ(prompts.shown[0].text, Question(c.edits[0]));
        next = 1;
    }
    if (c.error != nullptr) {
        ASSERT_EQ(prompts.shown.size(), next + 1);
        EXPECT_EQ(prompts.shown[next].kind, Kind::Error);
        EXPECT_EQ(prompts.shown[next].text, c.error);
    } else {
        EXPECT_EQ(prompts.shown.size(), next);
    }
    // Validation never changes a control, except the No answer handled below.
    EXPECT_EQ(controls.settings.edits, before.settings.edits);
    EXPECT_EQ(controls.statusText, "status");
    EXPECT_EQ(controls.replyText, "reply");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValidateSettingsTest,
    ::testing::Values(
        ValidationCase{"Defaults", {"10", "2000", "20", "40", "60", "80"}, std::nullopt, nullptr},
        ValidationCase{"TopReadAsTenThroughZero", {"010", "2000", "20", "40", "60", "80"}, std::nullopt, nullptr},
        ValidationCase{"TopReadAsTenThroughPlus", {"+10", "2000", "20", "40", "60", "80"}, std::nullopt, nullptr},
        ValidationCase{"TopNine", {"9", "2000", "20", "40", "60", "80"}, std::nullopt, kTopRange},
        ValidationCase{"Top1001", {"1001", "2000", "20", "40", "60", "80"}, std::nullopt, kTopRange},
        ValidationCase{"TopEmpty", {"", "2000", "20", "40", "60", "80"}, std::nullopt, kTopRange},
        ValidationCase{"TopText", {"abc", "2000", "20", "40", "60", "80"}, std::nullopt, kTopRange},
        ValidationCase{"TopTrailingBlank", {"10 ", "2000", "20", "40", "60", "80"}, std::nullopt, kTopRange},
        ValidationCase{"TopElevenYes", {"11", "2000", "20", "40", "60", "80"}, ConfirmAnswer::Yes, nullptr},
        ValidationCase{"TopLeadingBlankQuoted", {" 11", "2000", "20", "40", "60", "80"}, ConfirmAnswer::Yes, nullptr},
        ValidationCase{"TopClosedGoesOn", {"11", "2000", "20", "40", "60", "80"}, ConfirmAnswer::Closed, nullptr},
        ValidationCase{"Bottom99", {"10", "99", "20", "40", "60", "80"}, std::nullopt, kBottomRange},
        ValidationCase{"Bottom2001", {"10", "2001", "20", "40", "60", "80"}, std::nullopt, kBottomRange},
        ValidationCase{"BottomEmpty", {"10", "", "20", "40", "60", "80"}, std::nullopt, kBottomRange},
        ValidationCase{
            "TopEqualsBottom", {"1000", "1000", "20", "40", "60", "80"}, ConfirmAnswer::Yes, kTopBottomOrder},
        ValidationCase{"TopAboveBottom", {"500", "400", "20", "40", "60", "80"}, ConfirmAnswer::Yes, kTopBottomOrder},
        ValidationCase{"LevelANegative", {"10", "2000", "-1", "40", "60", "80"}, std::nullopt, kLevelARange},
        ValidationCase{"LevelAEmpty", {"10", "2000", "", "40", "60", "80"}, std::nullopt, kLevelARange},
        ValidationCase{"LevelsAEqualB", {"10", "2000", "20", "20", "60", "80"}, std::nullopt, kABOrder},
        ValidationCase{"LevelBRangeBeforeOrder", {"10", "2000", "20", "101", "10", "80"}, std::nullopt, kLevelBRange},
        ValidationCase{"LevelBBelowA", {"10", "2000", "50", "40", "60", "80"}, std::nullopt, kABOrder},
        ValidationCase{"LevelCRangeBeforeOrder", {"10", "2000", "20", "40", "x", "80"}, std::nullopt, kLevelCRange},
        ValidationCase{"LevelCEqualB", {"10", "2000", "20", "40", "40", "80"}, std::nullopt, kBCOrder},
        ValidationCase{"LevelDRange", {"10", "2000", "20", "40", "60", "101"}, std::nullopt, kLevelDRange},
        ValidationCase{"LevelDBelowC", {"10", "2000", "20", "40", "60", "59"}, std::nullopt, kCDOrder},
        ValidationCase{"LowestLevels", {"10", "2000", "0", "1", "2", "3"}, std::nullopt, nullptr},
        ValidationCase{"HighestLevels", {"10", "2000", "97", "98", "99", "100"}, std::nullopt, nullptr},
        ValidationCase{"HexLevel", {"10", "2000", "$14", "40", "60", "80"}, std::nullopt, nullptr},
        ValidationCase{"TopRangeBeforeLevels", {"5", "50", "90", "10", "5", "1"}, std::nullopt, kTopRange}),
    [](const ::testing::TestParamInfo<ValidationCase>& info) { return std::string(info.param.name); });

TEST(ValidateSettingsNoAnswerTest, NoClearsStatusAndReplyAndStopsQuietly) {
    PlainSettingsControls controls;
    controls.settings.edits = {"11", "5", "20", "40", "60", "80"}; // the bad bottom limit is never reached
    controls.statusText = "Device read successfully!";
    controls.replyText = "KOV listing";
    ScriptedPrompts prompts;
    prompts.Answer(ConfirmAnswer::No);

    EXPECT_FALSE(ValidateSettings(controls, prompts));

    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, Question("11"));
    EXPECT_EQ(controls.statusText, "");
    EXPECT_EQ(controls.replyText, "");
    EXPECT_EQ(controls.EditText(SettingsEdit::TopLimit), "11");
}

TEST(ValidateSettingsNoAnswerTest, ListWithoutSelectionDoesNotStopValidation) {
    PlainSettingsControls controls;
    controls.SetOutputTypeIndex(kNoSelection);
    controls.SetFluidTypeIndex(kNoSelection);
    ScriptedPrompts prompts;
    EXPECT_TRUE(ValidateSettings(controls, prompts));
    EXPECT_TRUE(prompts.shown.empty());
}

} // namespace
} // namespace zeft
