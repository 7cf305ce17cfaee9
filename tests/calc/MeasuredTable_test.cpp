#include "calc/DipTable.h"
#include "calc/MeasuredTable.h"
#include "calc/MeasuredTableCalculation.h"
#include "calc/MonotoneCubic.h"
#include "calc/ShapeCalculation.h"
#include "calc/TankContent.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace zeft {
namespace {

struct Refusal {
    const char* name;
    std::string text;
    std::string message;
};

TEST(MeasuredTableTest, RefusalsNameTheRow) {
    const Refusal refusals[] = {
        {"two rows", "height,volume\n0,0\n500,40\n", "The table needs at least three rows; it has 2."},
        {"empty", "", "The table needs at least three rows; it has 0."},
        {"repeated height", "height,volume\n0,0\n500,40\n\n500,41\n1000,90\n",
         "Row 5: the height 500 is already in row 3."},
        {"falling volume", "height,volume\n0,0\n500,40\n1000,39\n",
         "Row 4: the volume 39 is less than the 40 of row 3, which is lower down."},
        {"falling, rows out of order", "height,volume\n1000,39\n0,0\n500,40\n",
         "Row 2: the volume 39 is less than the 40 of row 4, which is lower down."},
        {"negative height", "height,volume\n0,0\n-5,1\n1000,90\n", "Row 3: the height -5 is negative."},
        {"negative volume", "0;0\n500;-1,5\n1000;90\n", "Row 2: the volume -1,5 is negative."},
        {"not a number", "height,volume\n0,0\n500,4O\n1000,90\n", "Row 3: the volume \"4O\" is not a number."},
        {"decimal comma with commas", "height,volume\n0,0\n500,40,5\n1000,90\n",
         "Row 3: more cells than the first line has (a decimal comma needs semicolons between the cells)."},
        {"missing cell", "volume;height\n0;0\n;500\n90;1000\n", "Row 3: there is no volume."},
        {"no header", "level,litres\n0,0\n500,40\n1000,90\n",
         "Row 1: the first line must name a height column (height, level, depth or dip) and a volume column "
         "(volume, content, contents or capacity), a unit in brackets after the word if need be."},
        {"unit not at the end", "height (mm) x,volume\n0,0\n500,40\n1000,90\n",
         "Row 1: the first line must name a height column (height, level, depth or dip) and a volume column "
         "(volume, content, contents or capacity), a unit in brackets after the word if need be."},
        {"escape and NUL escaped", "height,volume\n0,0\n500,\x1b]0;x\x07" + std::string(1, '\0') + "z\n1000,90\n",
         "Row 3: the volume \"\\x1b]0;x\\x07\\x00z\" is not a number."},
        {"C1 control escaped, long cell cut", "height,volume\n0,0\n500,\xC2\x9b" + std::string(60, 'x') + "\n1000,90\n",
         "Row 3: the volume \"\\xc2\\x9b" + std::string(38, 'x') + "...\" is not a number."},
        {"beyond a double", "height,volume\n0,0\n500,1e400\n1000,1e401\n", "Row 3: the volume 1e400 is too large."},
    };
    for (const Refusal& r : refusals) {
        EXPECT_EQ(ReadMeasuredTable(r.text).error, r.message) << r.name;
    }
}

struct Reading {
    const char* name;
    const char* text;
    double height; // of the middle point after sorting
    double volume;
};

TEST(MeasuredTableTest, ReadsSpreadsheetForms) {
    const Reading readings[] = {
        {"chart CSV, extra columns",
         "height,percent,volume,gauge\n0,0.00,0.000,0.00\n500,25.00,125.5,26\n"
         "1000,100.00,500.000,100.00\n",
         500, 125.5},
        {"columns swapped, letter case, quotes", "\"Volume\",\"HEIGHT\"\r\n0,0\r\n125.5,500\r\n500,1000\r\n", 500,
         125.5},
        {"semicolons and decimal commas", "height;volume\n0;0\n500,5;125,25\n1000;500\n", 500.5, 125.25},
        {"units and other words", "Height (mm),Volume (L)\n0,0\n500,125.5\n1000,500\n", 500, 125.5},
        {"level and contents", "Level,Contents\n0,0\n500,125.5\n1000,500\n", 500, 125.5},
        {"depth, semicolons, brackets", "Depth [in];Capacity [US gal]\n0;0\n500;125,5\n1000;500\n", 500, 125.5},
        {"dip and content, volume first", "CONTENT ( m3 ),Dip\n0,0\n125.5,500\n500,1000\n", 500, 125.5},
        {"tabs, no header, byte order mark",
         "\xEF\xBB\xBF"
         "0\t0\n500\t125.5\n1000\t500\n",
         500, 125.5},
    };
    for (const Reading& r : readings) {
        const MeasuredTable table = ReadMeasuredTable(r.text);
        ASSERT_TRUE(table.ok()) << r.name << ": " << table.error;
        ASSERT_EQ(table.points.size(), 3u) << r.name;
        EXPECT_DOUBLE_EQ(static_cast<double>(table.points[1].height), r.height) << r.name;
        EXPECT_DOUBLE_EQ(static_cast<double>(table.points[1].volume), r.volume) << r.name;
    }
}

// Through every point, never overshooting between them: flat pieces stay flat and a step
// does not make the curve fall before or after it.
TEST(MonotoneCubicTest, PassesThePointsAndNeverFalls) {
    const std::vector<long double> x{0, 1, 2, 3, 4, 5};
    const std::vector<long double> y{0, 0, 0.1L, 9, 9, 10};
    const MonotoneCubic curve(x, y);
    long double previous = 0;
    for (int i = 0; i <= 500; ++i) {
        const long double at = 5.0L * i / 500;
        const long double value = curve(at);
        EXPECT_GE(value, previous) << static_cast<double>(at);
        previous = value;
    }
    for (std::size_t i = 0; i < x.size(); ++i) {
        EXPECT_EQ(curve(x[i]), y[i]);
    }
    EXPECT_EQ(curve(0.5L), 0);
    EXPECT_EQ(curve(3.5L), 9);
    // Straight data stay straight.
    const MonotoneCubic line({0, 1, 3}, {0, 2, 6});
    EXPECT_NEAR(static_cast<double>(line(2.2L)), 4.4, 1e-15);
}

MeasuredTableCalculation Calculate(const char* text, const char* height, bool reserve = false) {
    return CalculateFromMeasuredTable({ReadMeasuredTable(text), height, false, reserve}, '.');
}

TEST(MeasuredTableTest, LevelsAndRefusalsOfTheCalculation) {
    // A box: straight content, levels as the heights; H by default the highest row.
    const char* box = "height,volume\n0,0\n250,25\n1000,100\n";
    const MeasuredTableCalculation straight = Calculate(box, "");
    ASSERT_TRUE(straight.ok()) << straight.error;
    EXPECT_EQ(straight.levelSet.levels, (std::array<std::string, 4>{"20", "40", "60", "80"}));
    EXPECT_EQ(straight.levelSet.bottomLimit, "1000.00");
    EXPECT_EQ(straight.volume, 100);
    ASSERT_TRUE(straight.gaugeError);
    EXPECT_LT(straight.gaugeError->points, 1e-9);
    const MeasuredTableCalculation reserve = Calculate(box, "", true);
    EXPECT_EQ(reserve.levelSet.bottomLimit, "900.00");
    EXPECT_EQ(Calculate(box, "500").levelSet.levels, (std::array<std::string, 4>{"20", "40", "60", "80"}));

    const Refusal refusals[] = {
        {"H above the table", "1500",
         "H (1500 mm) lies outside the table, which runs from 0 mm to 1000 mm: the "
         "calculator does not extrapolate."},
        {"H no number", "x", "Invalid input for H value!"},
        {"H out of range", "50", "Invalid input for H value! H must be at least 100 mm and no more than 2000 mm!"},
    };
    for (const Refusal& r : refusals) {
        EXPECT_EQ(Calculate(box, r.text.c_str()).error, r.message) << r.name;
    }
    EXPECT_EQ(Calculate("height,volume\n300,30\n600,60\n1000,100\n", "").error,
              "The table starts at 300 mm, above Level A's height (200 mm): add rows further down.");
    EXPECT_EQ(Calculate("height,volume\n150,15\n600,60\n1000,100\n", "", true).error,
              "The table starts at 150 mm, above the reserve level (a tenth of the volume at H): add rows further "
              "down.");
    EXPECT_EQ(Calculate("height,volume\n0,0\n1000,100\n", "").error, "The table needs at least three rows; it has 2.");
}

// The chart's CSV of any tank, read back, gives the levels of the shape calculator within 1.
TEST(MeasuredTableTest, RoundTripThroughTheChartForEveryShape) {
    const ShapeEditTexts texts{"1000", "900", "400", "1000", "100", "300", "50"};
    for (int shape = 1; shape <= kShapeCount; ++shape) {
        for (const bool reserve : {false, true}) {
            SCOPED_TRACE(testing::Message() << "shape " << shape << (reserve ? " reserve" : ""));
            const ShapeOptions options{shape, false, reserve, false};
            const ShapeCalculation shown = CalculateShape(options, texts, '.');
            ASSERT_TRUE(shown.ok()) << shown.error;
            const TankContentCalculation content = CalculateTankContent(options, texts, '.');
            const DipTable chart = MakeDipTable(*content.content, "10", '.');
            const std::string csv = DipTableCsv(chart.rows, DefaultDipVolumes(false));
            const MeasuredTableCalculation read =
                CalculateFromMeasuredTable({ReadMeasuredTable(csv), "", false, reserve}, '.');
            ASSERT_TRUE(read.ok()) << read.error;
            for (std::size_t i = 0; i < 4; ++i) {
                EXPECT_LE(std::abs(std::stoi(read.levelSet.levels[i]) - std::stoi(shown.levelSet.levels[i])), 1)
                    << "level " << i;
            }
        }
    }
}

} // namespace
} // namespace zeft
