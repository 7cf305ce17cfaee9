#include "main/SettingsComparison.h"

#include "main/HistoryRecord.h"
#include "main/PlainSettingsControls.h"
#include "main/SenderSettings.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace zeft {
namespace {

struct Side {
    int outputTypeIndex;
    int fluidTypeIndex;
    std::array<std::string, 6> edits;
};

PlainSettingsControls Controls(const Side& side) {
    PlainSettingsControls controls;
    controls.SetOutputTypeIndex(side.outputTypeIndex);
    controls.SetFluidTypeIndex(side.fluidTypeIndex);
    controls.settings.edits = side.edits;
    return controls;
}

TEST(CompareSettingsTest, ComparesEachSettingByValue) {
    struct Case {
        const char* name;
        Side left;
        Side right;
        std::array<bool, 8> same; // output, fluid, top, bottom, A to D
    };
    const Side defaults{0, 0, {"10", "2000", "20", "40", "60", "80"}};
    const Case cases[] = {
        {"numbers by the number rule",
         defaults,
         {0, 0, {"010", " 2000", "+20", "0x28", "$3C", "80"}},
         {true, true, true, true, true, true, true, true}},
        {"text that is no number, exactly",
         {0, 0, {"Invalid Data", "", "2O", "40", "60", "80"}},
         {0, 0, {"Invalid Data", "", "20", "40", "60", "80 "}},
         {true, true, true, true, false, true, true, false}},
        {"codes by code",
         {3, kNoSelection, defaults.edits},
         {0, 3, defaults.edits},
         {false, false, true, true, true, true, true, true}},
        {"empty or Invalid Data against a number",
         defaults,
         {0, 0, {"Invalid Data", "2000", "", "40", "60", "80"}},
         {true, true, false, true, false, true, true, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SettingsComparison comparison = CompareSettings(Controls(c.left), Controls(c.right));
        bool all = true;
        for (std::size_t row = 0; row < c.same.size(); ++row) {
            EXPECT_EQ(comparison.rows[row].same, c.same[row]) << comparison.rows[row].setting;
            all = all && c.same[row];
        }
        EXPECT_EQ(comparison.equal, all);
    }
}

TEST(CompareSettingsTest, RowsNameEachSettingAndShowBothValuesAsWritten) {
    const SettingsComparison comparison =
        CompareSettings(Controls({3, 2, {"010", "1500", "20", "40", "60", "80"}}),
                        Controls({kNoSelection, 2, {"10", "1500", "Invalid Data", "40", "$28", "80"}}));
    // setting, left, right, the note where the same value goes out in other words
    const std::array<std::array<std::string, 4>, 8> rows = {{
        {"Output Type", "4", "-1", ""},
        {"Fluid Type", "2", "2", ""},
        {"Top Limit", "010", "10", "same value, sent as typed: 10"},
        {"Bottom Limit", "1500", "1500", ""},
        {"Level A", "20", "Invalid Data", ""},
        {"Level B", "40", "40", ""},
        {"Level C", "60", "$28", ""},
        {"Level D", "80", "80", ""},
    }};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(comparison.rows[i].setting, rows[i][0]);
        EXPECT_EQ(comparison.rows[i].left, rows[i][1]);
        EXPECT_EQ(comparison.rows[i].right, rows[i][2]);
        EXPECT_EQ(comparison.rows[i].note, rows[i][3]) << rows[i][0];
    }
    EXPECT_FALSE(comparison.rows[6].same); // $28 is 40
}

// A recorded code that no item has (a file's Output Type = 3) is shown as it is, and differs
// from no selection.
TEST(CompareSettingsTest, KeepsAFilesUnknownCode) {
    const RecordedSettings file{3, 9, {"10", "2000", "$14", "40", "60", "80"}};
    const RecordedSettings sender{std::nullopt, 0, {"10", "2000", "20", "40", "60", "80"}};
    const SettingsComparison comparison = CompareSettings(sender, file);
    EXPECT_EQ(comparison.rows[0].right, "3");
    EXPECT_FALSE(comparison.rows[0].same);
    EXPECT_EQ(comparison.rows[1].right, "9");
    EXPECT_TRUE(comparison.rows[4].same);
    EXPECT_EQ(comparison.rows[4].note, "same value, sent as typed: $14");
    const std::array<std::array<std::string, 2>, 4> shown = {{
        {"3", "3 (no such code)"},
        {"-1", "(none selected)"},
        {"4", "4 (Resistive 300 - 10R)"},
        {"x", "(none selected)"},
    }};
    for (const auto& [value, text] : shown) {
        EXPECT_EQ(ShownComparisonValue(0, value), text) << value;
    }
}

} // namespace
} // namespace zeft
