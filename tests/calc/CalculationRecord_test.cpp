#include "calc/CalculationRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace zeft {
namespace {

using Inputs = std::vector<std::pair<std::string, std::string>>;

// Only the dimensions a shape reads go on the sheet, whatever the hidden edits hold.
TEST(CalculationRecordTest, ShapeKeepsTheDimensionsItReads) {
    const ShapeEditTexts texts{"1200", "800", "100", "600", "300", "250", "50"};
    struct Case {
        ShapeOptions options;
        Inputs inputs;
        std::string picture;
    };
    const Case cases[] = {
        {{1, false, false, false},
         {{"X", "1200"}, {"H", "800"}, {"W", "600"}, {"Y", "100"}, {"Z", "250"}, {"X1", "300"}},
         "pictures/shape1.jpg"},
        {{6, true, false, false}, {{"X", "1200"}, {"H", "800"}, {"W", "600"}}, "pictures/shape6h.jpg"},
        {{11, false, false, false},
         {{"X", "1200"}, {"H", "800"}, {"W", "600"}, {"Y", "100"}, {"Z", "250"}, {"X1", "300"}, {"X2", "50"}},
         "pictures/shape11.jpg"},
        {{12, true, true, false}, {{"X", "1200"}, {"H", "800"}}, "pictures/shape12.jpg"},
        {{17, true, false, false}, {{"H", "800"}}, "pictures/shape17.jpg"},
        {{18, false, false, false}, {{"X", "1200"}, {"H", "800"}, {"Y", "100"}}, "pictures/shape18.jpg"},
    };
    for (const Case& c : cases) {
        ShapeCalculation result;
        result.volume = "1571";
        const LevelSource record = ShapeCalculationRecord(c.options, texts, result);
        EXPECT_EQ(record.inputs, c.inputs) << c.options.shape;
        EXPECT_EQ(record.picture, c.picture) << c.options.shape;
        EXPECT_EQ(record.volume, "1571 litres");
    }
}

// The sheet states where the gauge is off the most, for the tank as calculated.
TEST(CalculationRecordTest, ShapeStatesTheLargestGaugeError) {
    const ShapeOptions cylinder{12};
    const ShapeEditTexts texts{"2000", "1000", "", "", "", "", ""};
    const LevelSource record = ShapeCalculationRecord(cylinder, texts, CalculateShape(cylinder, texts, '.'));
    EXPECT_EQ(record.gaugeError, "1.85 points at 82.3 mm (8.2 % of H)");
}

TEST(CalculationRecordTest, HandOverTellsWhatWentOver) {
    ShapeOptions inches{4, false, false, true};
    ShapeCalculation result;
    result.volume = "96";
    const LevelSource calculated = ShapeCalculationRecord(inches, {"40", "30", "5", "20", "0", "0", "0"}, result);
    LevelSetTexts shown;
    shown.levels = {"14", "33", "60", "86"};
    shown.bottomLimit = "39.37";

    LevelSource record = HandedOverRecord(LevelCalculator::Shape, calculated, shown, true, '.');
    EXPECT_TRUE(record.calculated);
    EXPECT_EQ(record.volume, "96 US gallons");
    EXPECT_EQ(record.levels, shown.levels);
    EXPECT_EQ(record.bottomLimitMillimetres, "1000");

    // Unit toggled after the calculation: the inputs keep their unit, the default goes over.
    shown.bottomLimit = "2000";
    record = HandedOverRecord(LevelCalculator::Shape, calculated, shown, false, '.');
    EXPECT_TRUE(record.inchUnit);
    EXPECT_EQ(record.bottomLimitMillimetres, "2000");

    // No calculation in this opening (or one of another window): the starting values went over.
    record = HandedOverRecord(LevelCalculator::Volume, calculated, LevelSetTexts{}, false, ',');
    EXPECT_FALSE(record.calculated);
    EXPECT_EQ(record.calculator, LevelCalculator::Volume);
    EXPECT_TRUE(record.inputs.empty());
    EXPECT_EQ(record.bottomLimitMillimetres, "2000");
}

} // namespace
} // namespace zeft
