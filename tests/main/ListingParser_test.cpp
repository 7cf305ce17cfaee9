#include "main/ListingParser.h"

#include "main/PlainSettingsControls.h"
#include "main/SenderSettings.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace zeft {
namespace {

// The worked example: what follows the identification of a sender with output type 4,
// fluid 2, limits 10 and 1500 and the straight-tank levels.
const std::string kExample = "\r\nOutput Type = 4 \r\nFluid Type = 2 \r\nTop Limit = 10\r\n"
                             "Bottom Limit = 1500\r\nLinearization = 20, 40, 60, 80, \r\n";

struct ParseResult {
    PlainSettingsControls controls;
    bool completed = false;
    std::size_t completedAt = 0;
};

// Feeds text in pieces whose lengths come from splits; the parser never sees the pieces,
// only their characters in order, exactly as the exchange engine feeds it.
ParseResult Parse(const std::string& text, const std::vector<std::size_t>& splits = {}) {
    ParseResult result;
    result.controls.SetOutputTypeIndex(1);
    result.controls.SetFluidTypeIndex(1);
    result.controls.settings.edits = {"old", "old", "old", "old", "old", "old"};
    ListingParser parser;
    parser.Start();
    std::size_t pos = 0;
    std::size_t split = 0;
    while (pos < text.size()) {
        const std::size_t length = split < splits.size() ? splits[split++] : text.size() - pos;
        const std::string piece = text.substr(pos, length);
        for (char c : piece) {
            if (parser.Feed(c, result.controls) && !result.completed) {
                result.completed = true;
                result.completedAt = pos;
            }
            ++pos;
        }
    }
    return result;
}

TEST(ListingParserTest, WorkedExampleSetsAllEightSettings) {
    const ParseResult r = Parse(kExample);
    EXPECT_TRUE(r.completed);
    EXPECT_EQ(r.controls.OutputTypeIndex(), 3);
    EXPECT_EQ(kOutputTypeItems[3], "Resistive 300 - 10R");
    EXPECT_EQ(r.controls.FluidTypeIndex(), 2);
    const std::array<std::string, 6> expected = {"10", "1500", "20", "40", "60", "80"};
    EXPECT_EQ(r.controls.settings.edits, expected);
    EXPECT_EQ(kExample[r.completedAt], ',');
    EXPECT_EQ(kExample.substr(r.completedAt), ", \r\n");
}

TEST(ListingParserTest, AnySplitOfTheBytesGivesTheSameResult) {
    const ParseResult whole = Parse(kExample);
    std::mt19937 random(12345);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::size_t> splits;
        std::uniform_int_distribution<std::size_t> length(1, round % 3 == 0 ? 2 : 17);
        for (std::size_t total = 0; total < kExample.size();) {
            splits.push_back(length(random));
            total += splits.back();
        }
        const ParseResult split = Parse(kExample, splits);
        EXPECT_EQ(split.completed, whole.completed);
        EXPECT_EQ(split.completedAt, whole.completedAt);
        EXPECT_EQ(split.controls.settings.edits, whole.controls.settings.edits);
        EXPECT_EQ(split.controls.OutputTypeIndex(), whole.controls.OutputTypeIndex());
        EXPECT_EQ(split.controls.FluidTypeIndex(), whole.controls.FluidTypeIndex());
    }
}

TEST(ListingParserTest, LevelsWithoutTheExtraCharacterLoseTheirFirstDigit) {
    const ParseResult r = Parse("Output Type = 0 Fluid Type = 0 Top Limit = 10\rBottom Limit = 2000\r"
                                "Linearization = 20,40,60,80,");
    EXPECT_TRUE(r.completed);
    const std::array<std::string, 6> expected = {"10", "2000", "20", "0", "0", "0"};
    EXPECT_EQ(r.controls.settings.edits, expected);
}

struct TypeFieldCase {
    std::string outputField;
    std::string fluidField;
    int outputIndex;
    int fluidIndex;
};

TEST(ListingParserTest, TypeFieldsDecodeOrLeaveNoSelection) {
    const TypeFieldCase cases[] = {
        {"4", "2", 3, 2},
        {"3", "3", kNoSelection, 3},
        {"0", "7", 0, kNoSelection},
        {"", "", kNoSelection, kNoSelection},              // a space right after the label
        {"x", "Z", kNoSelection, kNoSelection},            // not a number at all
        {"99999999999", "-1", kNoSelection, kNoSelection}, // beyond 32 bits, negative
        {"$1", "0x2", 1, 2},                               // read by the number rule
    };
    for (const TypeFieldCase& c : cases) {
        const ParseResult r = Parse("Output Type = " + c.outputField + " Fluid Type = " + c.fluidField +
                                    " Top Limit = 10\rBottom Limit = 2000\rLinearization = 1, 2, 3, 4, ");
        EXPECT_TRUE(r.completed) << c.outputField;
        EXPECT_EQ(r.controls.OutputTypeIndex(), c.outputIndex) << '"' << c.outputField << '"';
        EXPECT_EQ(r.controls.FluidTypeIndex(), c.fluidIndex) << '"' << c.fluidField << '"';
    }
}

TEST(ListingParserTest, KeyLettersAreSoughtOnlyInTheGapsAndLabelsSkippedByCount) {
    // "Other" starts the output field at its "O" and its value is not a number; the
    // capital letters inside the skipped labels ("F" of "Ftuff", "T" of "1234T") change
    // nothing.
    const ParseResult r = Parse("noise Other Ftuff=1 trailing F1234T678901 $2 T123456789015\r"
                                "B12345678901234999\rL123456789012345 5, 6, 7, 8, ");
    EXPECT_TRUE(r.completed);
    EXPECT_EQ(r.controls.OutputTypeIndex(), kNoSelection);
    EXPECT_EQ(r.controls.FluidTypeIndex(), 2);
    const std::array<std::string, 6> expected = {"5", "999", " 5", "6", "7", "8"};
    EXPECT_EQ(r.controls.settings.edits, expected);
}

TEST(ListingParserTest, PartialListingLeavesLaterFieldsUnchanged) {
    const std::string partial = kExample.substr(0, kExample.find("Linearization"));
    const ParseResult r = Parse(partial);
    EXPECT_FALSE(r.completed);
    const std::array<std::string, 6> expected = {"10", "1500", "old", "old", "old", "old"};
    EXPECT_EQ(r.controls.settings.edits, expected);
}

TEST(ListingParserTest, CharactersAfterCompletionAreIgnored) {
    const ParseResult r = Parse(kExample + "Output Type = 1 Fluid Type = 1 ");
    EXPECT_EQ(r.controls.OutputTypeIndex(), 3);
    EXPECT_EQ(r.controls.FluidTypeIndex(), 2);
}

} // namespace
} // namespace zeft
