#include "main/SettingsComparison.h"

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
    controls.outputTypeIndex = side.outputTypeIndex;
    controls.fluidTypeIndex = side.fluidTypeIndex;
    controls.SetEdits(side.edits);
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
                        Controls({kNoSelection, 2, {"10", "1500", "Invalid Data", "40", "60", "80"}}));
    const std::array<std::array<std::string, 3>, 8> rows = {{
        {"Output Type", "4", "-1"},
        {"Fluid Type", "2", "2"},
        {"Top Limit", "010", "10"},
        {"Bottom Limit", "1500", "1500"},
        {"Level A", "20", "Invalid Data"},
        {"Level B", "40", "40"},
        {"Level C", "60", "60"},
        {"Level D", "80", "80"},
    }};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(comparison.rows[i].setting, rows[i][0]);
        EXPECT_EQ(comparison.rows[i].left, rows[i][1]);
        EXPECT_EQ(comparison.rows[i].right, rows[i][2]);
    }
}

} // namespace
} // namespace zeft
