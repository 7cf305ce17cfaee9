#include "calc/DipTable.h"
#include "calc/GaugeError.h"
#include "calc/TankContent.h"
#include "calc/VolumeUnit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeft {
namespace {

// The five straight pieces through the levels, from the empty point up to H.
TEST(GaugeErrorTest, ReadingFollowsTheStraightPieces) {
    const std::array<long double, 4> levels{14, 37, 63, 86};
    struct Case {
        long double empty;
        long double height;
        double reading;
    };
    const Case cases[] = {
        {0, -1, 0},     {0, 0, 0},      {0, 100, 7},   {0, 200, 14},   {0, 300, 25.5}, {0, 900, 93},
        {0, 1000, 100}, {0, 1200, 100}, {200, 150, 0}, {200, 360, 14}, {200, 840, 86}, {200, 920, 93},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(static_cast<double>(GaugeReading(levels, c.empty, 1000, c.height)), c.reading, 1e-12)
            << "empty " << static_cast<double>(c.empty) << ", height " << static_cast<double>(c.height);
    }
}

// Worked: the horizontal cylinder's gauge (14, 37, 63, 86) is off by at most 1.85 points, at
// 8.2 % (and 91.8 %) of its height; a box's gauge, with or without reserve, reads true.
TEST(GaugeErrorTest, WorkedValues) {
    struct Case {
        const char* name;
        ShapeOptions options;
        ShapeEditTexts texts;
        double points;
        double heightShare; // of H
    };
    const Case cases[] = {
        {"cylinder", {12}, {"2000", "1000", "", "", "", "", ""}, 1.85, 0.082},
        {"cylinder, inches", {12, false, false, true}, {"78.74", "39.37", "", "", "", "", ""}, 1.85, 0.082},
        {"box", {7}, {"1000", "1000", "", "1000", "", "", ""}, 0, 0},
        {"box with reserve", {7, false, true}, {"1000", "1000", "", "1000", "", "", ""}, 0, 0.1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TankContentCalculation content = CalculateTankContent(c.options, c.texts, '.');
        ASSERT_TRUE(content.content) << content.error;
        const GaugeError error = content.content->LargestGaugeError();
        EXPECT_NEAR(static_cast<double>(error.points), c.points, 0.005);
        EXPECT_NEAR(static_cast<double>(error.height / content.content->height()), c.heightShare, 0.001);
    }
    const TankContentCalculation cylinder = CalculateTankContent({12}, {"2000", "1000", "", "", "", "", ""}, '.');
    EXPECT_EQ(GaugeErrorText(cylinder.content->LargestGaugeError(), 1000, false),
              "1.85 points at 82.3 mm (8.2 % of H)");
    const TankContentCalculation box = CalculateTankContent({7}, {"1000", "1000", "", "1000", "", "", ""}, '.');
    EXPECT_EQ(GaugeErrorText(box.content->LargestGaugeError(), 1000, false), "under 0.01 points");
}

// With reserve the gauge reads 0 at the reserve level and the levels above it; its error is
// measured against the content above the reserve level.
TEST(GaugeErrorTest, ReserveShiftsTheGauge) {
    const TankContentCalculation content =
        CalculateTankContent({12, false, true}, {"2000", "1000", "", "", "", "", ""}, '.');
    ASSERT_TRUE(content.content) << content.error;
    const TankContent& c = *content.content;
    EXPECT_EQ(c.GaugePercentAt(c.reserveHeight()), 0);
    EXPECT_NEAR(static_cast<double>(c.UsablePercentAt(c.reserveHeight())), 0, 0.05);
    EXPECT_NEAR(static_cast<double>(c.GaugePercentAt(c.LevelHeight(1))), 44, 1e-12);
    // The reading stands for the reserve's tenth plus its share of the rest.
    EXPECT_NEAR(static_cast<double>(c.GaugeContentPercentAt(c.LevelHeight(1))),
                static_cast<double>(c.PercentAt(c.reserveHeight())) * 0.56 + 44, 1e-9);
    EXPECT_LT(c.LargestGaugeError().points, 2);
}

// A 1 m cube: 1000 L, 1 m3, 264.172 US gal, 219.969 imp gal; and back by the words.
TEST(VolumeUnitTest, OneCubicMetre) {
    struct Case {
        VolumeUnit unit;
        const char* word;
        double value;
    };
    const Case cases[] = {{VolumeUnit::Litre, "litre", 1000},
                          {VolumeUnit::CubicMetre, "m3", 1},
                          {VolumeUnit::UsGallon, "usgal", 264.17205},
                          {VolumeUnit::ImperialGallon, "impgal", 219.96925}};
    for (const Case& c : cases) {
        EXPECT_NEAR(static_cast<double>(ConvertVolume(1000, VolumeUnit::Litre, c.unit)), c.value, 1e-5) << c.word;
        EXPECT_EQ(VolumeUnitFromWord(c.word), c.unit);
        EXPECT_NEAR(static_cast<double>(ConvertVolume(c.value, c.unit, VolumeUnit::Litre)), 1000, 1e-4) << c.word;
    }
    EXPECT_FALSE(VolumeUnitFromWord("gallon"));
    // A 10 inch cube is 1000 cubic inches: 4.329 US gallons, 16.387 litres.
    const TankContentCalculation cube =
        CalculateTankContent({7, false, false, true}, {"10", "10", "", "10", "", "", ""}, '.');
    const DipTable table = MakeDipTable(*cube.content, "5", '.');
    EXPECT_EQ(DipTableCsv(table.rows, DefaultDipVolumes(true)),
              "height,percent,volume,gauge\n0,0.00,0.000,0.00\n5,50.00,2.165,50.00\n10,100.00,4.329,100.00\n");
    EXPECT_EQ(DipTableCsv(table.rows, {true, VolumeUnit::Litre}),
              "height,percent,volume,gauge\n0,0.00,0.000,0.00\n5,50.00,8.194,50.00\n10,100.00,16.387,100.00\n");
    EXPECT_EQ(DipRowText(table.rows.back(), {true, VolumeUnit::CubicMetre}).volume, "0.016387");
}

} // namespace
} // namespace zeft
