#include "calc/LevelSet.h"

#include "main/PlainSettingsControls.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zeft {
namespace {

TEST(LevelSetTest, BottomLimitInWholeMillimetres) {
    struct Case {
        const char* text;
        bool inch;
        char separator;
        std::optional<std::string> millimetres;
    };
    const std::vector<Case> cases = {
        {"1000.00", false, '.', "1000"}, {"39.37", true, '.', "1000"},   {"78.74", true, '.', "2000"},
        {"78.74", true, ',', "2000"},    {"39", true, '.', "991"},       {"10", true, '.', "254"},
        {"40", true, '.', "1016"},       {"1500.6", false, '.', "1501"}, {"1500.5", false, '.', "1500"},
        {"1501.5", false, '.', "1502"},  {"653,91", false, ',', "654"},  {"1500.0", false, '.', "1500"},
        {"2000", false, ',', "2000"},    {"abc", false, '.', {}},        {"1e4931", true, '.', {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(BottomLimitMillimetreText(c.text, c.inch, c.separator), c.millimetres);
    }
}

TEST(LevelSetTest, HandOverWritesLevelsAsTheyStandAndLeavesTheRest) {
    PlainSettingsControls controls;
    controls.settings.edits = {"123", "9", "8", "7", "6", "5"};
    controls.SetOutputTypeIndex(2);
    controls.SetFluidTypeIndex(3);
    LevelSetTexts set;
    set.levels = {"14", "37", "63", "86"};
    set.bottomLimit = "39";
    ASSERT_TRUE(HandOverLevelSet(controls, set, true, '.'));
    EXPECT_EQ(controls.settings.edits, (std::array<std::string, 6>{"123", "991", "14", "37", "63", "86"}));
    EXPECT_EQ(controls.OutputTypeIndex(), 2);
    EXPECT_EQ(controls.FluidTypeIndex(), 3);

    // A fresh window hands over its defaults.
    ASSERT_TRUE(HandOverLevelSet(controls, LevelSetTexts{}, false, '.'));
    EXPECT_EQ(controls.settings.edits, (std::array<std::string, 6>{"123", "2000", "20", "40", "60", "80"}));

    // An unreadable bottom limit writes nothing at all.
    set.bottomLimit = "x";
    EXPECT_FALSE(HandOverLevelSet(controls, set, false, '.'));
    EXPECT_EQ(controls.settings.edits, (std::array<std::string, 6>{"123", "2000", "20", "40", "60", "80"}));
}

} // namespace
} // namespace zeft
