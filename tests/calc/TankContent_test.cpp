#include "calc/DecimalText.h"
#include "calc/DipTable.h"
#include "calc/TankContent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeft {
namespace {

struct Tank {
    ShapeOptions options;
    ShapeEditTexts texts; // x, h, y, w, x1, z, x2
};

// Every shape, full and half (the cylinder has no half), in millimetres and in inches;
// every shape reads its letters from the same set.
std::vector<Tank> EveryShape() {
    const ShapeEditTexts full{"1000", "900", "400", "1000", "100", "300", "50"};
    const ShapeEditTexts half{"500", "900", "400", "1000", "100", "150", "50"};
    const ShapeEditTexts fullInch{"40", "35", "15", "40", "4", "12", "2"};
    const ShapeEditTexts halfInch{"20", "35", "15", "40", "4", "6", "2"};
    std::vector<Tank> tanks;
    for (int shape = 1; shape <= 11; ++shape) {
        tanks.push_back({{shape, false, false, false}, full});
        tanks.push_back({{shape, true, false, false}, half});
        tanks.push_back({{shape, false, false, true}, fullInch});
        tanks.push_back({{shape, true, false, true}, halfInch});
    }
    tanks.push_back({{12, false, false, false}, {"2000", "1000", "", "", "", "", ""}});
    tanks.push_back({{12, false, false, true}, {"78.74", "39.37", "", "", "", "", ""}});
    return tanks;
}

TEST(TankContentTest, MeetsTheLevelsAndTheVolumeOfTheShapeCalculator) {
    for (const Tank& tank : EveryShape()) {
        SCOPED_TRACE(testing::Message() << "shape " << tank.options.shape << (tank.options.halfTank ? " half" : "")
                                        << (tank.options.inchUnit ? " inch" : ""));
        const ShapeCalculation shown = CalculateShape(tank.options, tank.texts, '.');
        ASSERT_TRUE(shown.ok()) << shown.error;
        const TankDimensions& d = shown.dimensions;
        const ShapeResult exact =
            tank.options.shape == kCylinderShape
                ? CalculateCylinder(false, d.h, d.x, tank.options.inchUnit)
                : CalculateProfile(DeriveShapeDimensions(tank.options.shape, tank.options.halfTank, d),
                                   tank.options.halfTank, false, tank.options.inchUnit);
        const TankContentCalculation content = CalculateTankContent(tank.options, tank.texts, '.');
        ASSERT_TRUE(content.content) << content.error;
        const TankContent& c = *content.content;
        const long double fractions[4] = {0.2L, 0.4L, 0.6L, 0.8L};
        // The cylinder's content is the true circle; its levels keep the short degree factor.
        const double tolerance = tank.options.shape == kCylinderShape ? 0.01 : 0;
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(static_cast<double>(c.PercentAt(fractions[i] * d.h)), static_cast<double>(exact.exactLevels[i]),
                        tolerance)
                << "level " << i;
            EXPECT_EQ(WholeText(exact.exactLevels[i]), shown.levelSet.levels[i]) << "level " << i;
        }
        EXPECT_EQ(c.PercentAt(0), 0);
        EXPECT_EQ(c.PercentAt(d.h), 100);
        EXPECT_EQ(c.VolumeAt(d.h), exact.volume);
        EXPECT_EQ(VolumeText(c.volume(), '.'), shown.volume);
        // The content only grows with the height.
        long double previous = 0;
        for (int step = 1; step <= 200; ++step) {
            const long double percent = c.PercentAt(d.h * step / 200);
            EXPECT_GE(percent, previous) << "at step " << step;
            previous = percent;
        }
    }
}

TEST(TankContentTest, ReserveLeavesTheContentAlone) {
    const ShapeEditTexts texts{"1000", "800", "300", "1000", "100", "300", ""};
    const TankContentCalculation plain = CalculateTankContent({1, false, false, false}, texts, '.');
    const TankContentCalculation reserve = CalculateTankContent({1, false, true, false}, texts, '.');
    ASSERT_TRUE(plain.content && reserve.content);
    EXPECT_EQ(plain.content->PercentAt(160), reserve.content->PercentAt(160));
}

struct Point {
    const char* name;
    Tank tank;
    long double height;
    double percent;
    double volume;
};

// Worked by hand from the profile's widths or the circle's segment.
const std::vector<Point> kPoints = {
    {"rectangle", {{7}, {"1000", "1000", "", "1000", "", "", ""}}, 250, 25, 250},
    {"triangle", {{6}, {"1000", "1000", "", "1000", "", "", ""}}, 500, 25, 125},
    {"trapezoid", {{5}, {"1000", "1000", "", "1000", "", "400", ""}}, 500, 39.285714285714285, 275},
    {"trapezoid half", {{5, true}, {"500", "1000", "", "1000", "", "200", ""}}, 500, 39.285714285714285, 137.5},
    {"step, in the upper section", {{9}, {"1000", "800", "300", "1000", "", "300", ""}}, 600, 55.555555555555556, 250},
    {"rectangle inches", {{7, false, false, true}, {"10", "10", "", "10", "", "", ""}}, 2.5L, 25, 1.0822510822510822},
    // The segment of 120 degrees: (2 pi / 3 - sin 120) / (2 pi) of the circle.
    {"cylinder quarter", {{12}, {"2000", "1000", "", "", "", "", ""}}, 250, 19.550110947788525, 307.0924246521891},
    {"cylinder centre", {{12}, {"2000", "1000", "", "", "", "", ""}}, 500, 50, 785.3981633974483},
};

TEST(TankContentTest, HandWorkedPoints) {
    for (const Point& point : kPoints) {
        SCOPED_TRACE(point.name);
        const TankContentCalculation content = CalculateTankContent(point.tank.options, point.tank.texts, '.');
        ASSERT_TRUE(content.content) << content.error;
        EXPECT_NEAR(static_cast<double>(content.content->PercentAt(point.height)), point.percent, 1e-9);
        EXPECT_NEAR(static_cast<double>(content.content->VolumeAt(point.height)), point.volume, 1e-4);
    }
}

// A dip table read at a fine step: from 0, never falling, the whole volume in the last row.
TEST(TankContentTest, FineStepsNeverDipOrFall) {
    const std::vector<Tank> tanks = {
        {{12}, {"3000", "2000", "", "", "", "", ""}},
        {{12, false, false, true}, {"78.74", "39.37", "", "", "", "", ""}},
    };
    for (const Tank& tank : tanks) {
        const TankContentCalculation content = CalculateTankContent(tank.options, tank.texts, '.');
        ASSERT_TRUE(content.content) << content.error;
        const DipTable table = MakeDipTable(*content.content, tank.options.inchUnit ? "0.005" : "0.1", '.');
        ASSERT_TRUE(table.ok()) << table.error;
        long double previous = 0;
        for (const DipRow& row : table.rows) {
            ASSERT_GE(row.volume, previous) << "at " << ShortestNumberText(row.height);
            previous = row.volume;
        }
        EXPECT_EQ(table.rows.back().volume, content.content->volume());
        EXPECT_EQ(table.rows.back().percent, 100);
    }
}

// With reserve the levels lie at 20 to 80 % of the height above the empty point.
TEST(TankContentTest, LevelHeightsStartAtTheReserveLevel) {
    struct Case {
        const char* name;
        Tank tank;
        double reserve;
        double levelA;
        double levelD;
    };
    const Case cases[] = {
        {"rectangle", {{7, false, true}, {"1000", "1000", "", "1000", "", "", ""}}, 100, 280, 820},
        {"rectangle, no reserve", {{7}, {"1000", "1000", "", "1000", "", "", ""}}, 0, 200, 800},
        {"cylinder", {{12, false, true}, {"2000", "1000", "", "", "", "", ""}}, 156.5, 325.2, 831.3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TankContentCalculation content = CalculateTankContent(c.tank.options, c.tank.texts, '.');
        ASSERT_TRUE(content.content) << content.error;
        // The cylinder's reserve level comes from a scan in steps of 0.01.
        EXPECT_NEAR(static_cast<double>(content.content->reserveHeight()), c.reserve, 0.05);
        EXPECT_NEAR(static_cast<double>(content.content->LevelHeight(0)), c.levelA, 0.05);
        EXPECT_NEAR(static_cast<double>(content.content->LevelHeight(3)), c.levelD, 0.05);
    }
}

TEST(TankContentTest, RefusesWhatTheShapeCalculatorRefuses) {
    EXPECT_EQ(CalculateTankContent({2}, {"1000", "800", "300", "1000", "", "1000", ""}, '.').error,
              "Z value must be smaller than X value!");
    EXPECT_EQ(CalculateTankContent({7}, {"1000", "99", "", "1000", "", "", ""}, '.').error,
              "Invalid input for H value! H must be at least 100 mm and no more than 2000 mm!");
    EXPECT_FALSE(CalculateTankContent({7}, {"1000", "99", "", "1000", "", "", ""}, '.').content);
}

TankContent Rectangle(const char* height) {
    return *CalculateTankContent({7}, {"1000", height, "", "1000", "", "", ""}, '.').content;
}

struct StepCase {
    const char* name;
    const char* height;
    const char* step;
    std::size_t rows;
    double last;     // height of the last row
    double previous; // height of the row before it
};

const std::vector<StepCase> kSteps = {
    {"H a multiple", "1000", "250", 5, 1000, 750},
    {"H not a multiple", "1000", "300", 5, 1000, 900},
    {"tenths end on H, not past it", "1000", "0.1", 10001, 1000, 999.9},
    {"the most rows", "2000", "0.02", kMaxDipRows, 2000, 1999.98},
    {"step above H", "1000", "5000", 2, 1000, 0},
    {"step far above H", "1000", "1e13", 2, 1000, 0},
};

TEST(DipTableTest, RowsRunFromTheBottomToH) {
    for (const StepCase& c : kSteps) {
        SCOPED_TRACE(c.name);
        const DipTable table = MakeDipTable(Rectangle(c.height), c.step, '.');
        ASSERT_TRUE(table.ok()) << table.error;
        ASSERT_EQ(table.rows.size(), c.rows);
        EXPECT_EQ(table.rows.front().height, 0);
        EXPECT_EQ(table.rows.back().height, DecimalFromText(c.height, '.').value());
        EXPECT_EQ(ShortestNumberText(table.rows.back().height), ShortestNumberText(c.last));
        EXPECT_EQ(ShortestNumberText(table.rows[table.rows.size() - 2].height), ShortestNumberText(c.previous));
    }
}

TEST(DipTableTest, RefusesABadStepOrTooManyRows) {
    const std::string notANumber = "Invalid input for step value! The step must be a number greater than 0.";
    for (const char* step : {"0", "-1", "", "abc", "1,5"}) {
        EXPECT_EQ(MakeDipTable(Rectangle("1000"), step, '.').error, notANumber) << step;
    }
    // Counted from the arithmetic: not a row is computed, however small the step.
    int rowsAsked = 0;
    const auto count = [&] {
        ++rowsAsked;
        return false;
    };
    for (const char* step : {"0.0199", "1e-30"}) {
        const DipTable tooMany = MakeDipTable(Rectangle("2000"), step, '.', count);
        EXPECT_EQ(tooMany.error, "Invalid input for step value! The table would have more than 100001 rows.");
        EXPECT_TRUE(tooMany.rows.empty());
    }
    EXPECT_EQ(rowsAsked, 0);
    EXPECT_FALSE(DipStepRefusal(Rectangle("2000"), "0.02", '.').has_value());
    // Stopped early (the window's thread, for a newer step), it is no table.
    const DipTable stopped = MakeDipTable(Rectangle("2000"), "1", '.', [&] { return ++rowsAsked > 3; });
    EXPECT_FALSE(stopped.ok());
    EXPECT_TRUE(stopped.rows.empty());
    // A tank beyond a double's range has no table to show.
    const TankContentCalculation huge = CalculateTankContent({7}, {"1e200", "1000", "", "1e200", "", "", ""}, '.');
    ASSERT_TRUE(huge.content) << huge.error;
    EXPECT_EQ(MakeDipTable(*huge.content, "500", '.').error,
              "The tank's dimensions lie beyond the range of the calculation: no table can be made.");
    EXPECT_FALSE(MakeDipTable(Rectangle("2000"), "1e-300", '.').ok());
    EXPECT_TRUE(MakeDipTable(Rectangle("1000"), "2,5", ',').ok());
}

TEST(DipTableTest, CsvUsesADotAndFixedDecimals) {
    const TankContentCalculation triangle = CalculateTankContent({6}, {"1000", "1000", "", "1000", "", "", ""}, '.');
    const DipTable table = MakeDipTable(*triangle.content, "333.5", '.');
    ASSERT_TRUE(table.ok());
    // The gauge reads along its straight pieces through 4, 16, 36, 64.
    EXPECT_EQ(DipTableCsv(table.rows, DefaultDipVolumes(false)), "height,percent,volume,gauge\n"
                                                                 "0,0.00,0.000,0.00\n"
                                                                 "333.5,11.12,55.611,12.01\n"
                                                                 "667,44.49,222.444,45.38\n"
                                                                 "1000,100.00,500.000,100.00\n");
}

} // namespace
} // namespace zeft
