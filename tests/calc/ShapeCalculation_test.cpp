#include "calc/ShapeCalculation.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace zeft {
namespace {

struct Example {
    const char* name;
    ShapeOptions options;
    ShapeEditTexts texts; // x, h, y, w, x1, z, x2
    std::array<std::string, 4> levels;
    std::string bottomLimit;
    std::string volume;
};

const std::vector<Example> kExamples = {
    {"rectangle",
     {7, false, false, false},
     {"1000", "1000", "0", "1000", "0", "0", ""},
     {"20", "40", "60", "80"},
     "1000.00",
     "1000"},
    {"rectangle reserve",
     {7, false, true, false},
     {"1000", "1000", "0", "1000", "0", "0", ""},
     {"20", "40", "60", "80"},
     "900.00",
     "1000"},
    {"triangle",
     {6, false, false, false},
     {"1000", "1000", "0", "1000", "0", "0", ""},
     {"4", "16", "36", "64"},
     "1000.00",
     "500"},
    {"triangle reserve",
     {6, false, true, false},
     {"1000", "1000", "0", "1000", "0", "0", ""},
     {"12", "28", "48", "72"},
     "683.77",
     "500"},
    {"trapezoid",
     {5, false, false, false},
     {"1000", "1000", "0", "1000", "0", "400", ""},
     {"13", "30", "50", "73"},
     "1000.00",
     "700"},
    {"trapezoid half",
     {5, true, false, false},
     {"500", "1000", "0", "1000", "0", "200", ""},
     {"13", "30", "50", "73"},
     "1000.00",
     "350"},
    {"two slopes",
     {1, false, false, false},
     {"1000", "800", "300", "1000", "100", "300", ""},
     {"11", "27", "48", "72"},
     "800.00",
     "545"},
    {"two slopes reserve",
     {1, false, true, false},
     {"1000", "800", "300", "1000", "100", "300", ""},
     {"14", "31", "51", "74"},
     "653.91",
     "545"},
    {"step",
     {9, false, false, false},
     {"1000", "800", "300", "1000", "0", "300", ""},
     {"11", "21", "32", "64"},
     "800.00",
     "450"},
    {"step reserve",
     {9, false, true, false},
     {"1000", "800", "300", "1000", "0", "300", ""},
     {"10", "19", "36", "68"},
     "650.00",
     "450"},
    {"reserve in the upper section",
     {4, false, true, false},
     {"1000", "1000", "950", "1000", "0", "0", ""},
     {"20", "40", "60", "80"},
     "877.50",
     "975"},
    {"narrow lower section",
     {9, false, false, false},
     {"1000", "800", "10", "1000", "0", "0.1", ""},
     {"0", "0", "0", "1"},
     "800.00",
     "10"},
    // Worked separately, by integrating each profile's width numerically and finding the
    // reserve height by bisection.
    {"shape 2",
     {2, false, false, false},
     {"1000", "800", "300", "1000", "0", "400", ""},
     {"12", "29", "51", "75"},
     "800.00",
     "650"},
    {"shape 2 reserve",
     {2, false, true, false},
     {"1000", "800", "300", "1000", "0", "400", ""},
     {"15", "33", "55", "77"},
     "664.88",
     "650"},
    {"shape 3",
     {3, false, false, false},
     {"1000", "800", "300", "1000", "150", "0", ""},
     {"4", "17", "38", "66"},
     "800.00",
     "430"},
    {"shape 3 reserve in the sloped upper section",
     {3, false, true, false},
     {"1000", "1000", "900", "1000", "100", "0", ""},
     {"18", "38", "58", "78"},
     "844.18",
     "850"},
    {"shape 3 half, reserve in the sloped upper section",
     {3, true, true, false},
     {"500", "1000", "900", "1000", "100", "0", ""},
     {"18", "38", "58", "78"},
     "844.18",
     "425"},
    {"shape 8",
     {8, false, false, false},
     {"1000", "800", "300", "1000", "0", "400", ""},
     {"16", "31", "47", "67"},
     "800.00",
     "410"},
    {"shape 8 reserve in the sloped upper section",
     {8, false, true, false},
     {"1000", "1000", "950", "1000", "0", "200", ""},
     {"12", "28", "48", "72"},
     "774.70",
     "580"},
    {"shape 8 half, reserve in the sloped upper section",
     {8, true, true, false},
     {"600", "1000", "950", "1000", "0", "200", ""},
     {"14", "30", "50", "74"},
     "822.19",
     "390"},
    {"shape 10",
     {10, false, false, false},
     {"1000", "800", "300", "1000", "0", "300", "100"},
     {"11", "26", "45", "72"},
     "800.00",
     "575"},
    {"shape 10 half",
     {10, true, false, false},
     {"500", "800", "300", "2000", "0", "150", "100"},
     {"11", "26", "45", "72"},
     "800.00",
     "575"},
    {"shape 11",
     {11, false, false, false},
     {"1000", "800", "300", "1000", "100", "200", "100"},
     {"9", "22", "40", "68"},
     "800.00",
     "470"},
    {"shape 11 reserve",
     {11, false, true, false},
     {"1000", "800", "300", "1000", "100", "200", "100"},
     {"12", "26", "46", "72"},
     "625.74",
     "470"},
    {"shape 11 half, reserve in the sloped upper section",
     {11, true, true, false},
     {"600", "1000", "900", "1000", "100", "50", "50"},
     {"19", "38", "58", "79"},
     "846.32",
     "520"},
    {"shape 1 reserve in the sloped upper section",
     {1, false, true, false},
     {"1000", "1000", "900", "1000", "150", "100", ""},
     {"17", "36", "56", "77"},
     "842.92",
     "805"},
    {"cylinder",
     {12, false, false, false},
     {"2000", "1000", "0", "0", "0", "0", ""},
     {"14", "37", "63", "86"},
     "1000",
     "1571"},
    {"cylinder reserve",
     {12, false, true, false},
     {"2000", "1000", "0", "0", "0", "0", ""},
     {"20", "44", "67", "88"},
     "843",
     "1571"},
    {"rectangle inches",
     {7, false, false, true},
     {"10", "10", "0", "10", "0", "0", ""},
     {"20", "40", "60", "80"},
     "10.00",
     "4"},
    {"triangle inches",
     {6, false, false, true},
     {"39.37", "39.37", "0", "39.37", "0", "0", ""},
     {"4", "16", "36", "64"},
     "39.37",
     "132"},
    {"cylinder inches",
     {12, false, false, true},
     {"78.74", "39.37", "0", "0", "0", "0", ""},
     {"14", "37", "63", "86"},
     "39",
     "415"},
    {"cylinder inches reserve",
     {12, false, true, true},
     {"78.74", "39.37", "0", "0", "0", "0", ""},
     {"20", "44", "67", "88"},
     "33",
     "415"},
};

TEST(ShapeCalculationTest, WorkedExamples) {
    for (const Example& example : kExamples) {
        SCOPED_TRACE(example.name);
        const ShapeCalculation result = CalculateShape(example.options, example.texts, '.');
        ASSERT_TRUE(result.ok()) << result.error;
        EXPECT_EQ(result.levelSet.levels, example.levels);
        EXPECT_EQ(result.levelSet.bottomLimit, example.bottomLimit);
        EXPECT_EQ(result.volume, example.volume);
    }
}

TEST(ShapeCalculationTest, HalfTankGivesTheFullProfileLevelsForEveryShape) {
    // A half tank with half the widths is the full tank cut in two: same levels, half volume.
    for (int shape = 1; shape <= 11; ++shape) {
        for (bool reserve : {false, true}) {
            SCOPED_TRACE(testing::Message() << "shape " << shape << (reserve ? " reserve" : ""));
            const ShapeEditTexts full{"1000", "900", "400", "1000", "100", "300", "50"};
            const ShapeEditTexts half{"500", "900", "400", "1000", "100", "150", "50"};
            const ShapeCalculation a = CalculateShape({shape, false, reserve, false}, full, '.');
            const ShapeCalculation b = CalculateShape({shape, true, reserve, false}, half, '.');
            ASSERT_TRUE(a.ok()) << a.error;
            ASSERT_TRUE(b.ok()) << b.error;
            EXPECT_EQ(a.levelSet.levels, b.levelSet.levels);
            EXPECT_EQ(a.levelSet.bottomLimit, b.levelSet.bottomLimit);
        }
    }
}

struct CheckCase {
    const char* name;
    ShapeOptions options;
    ShapeEditTexts texts;
    std::string message;
};

const std::vector<CheckCase> kChecks = {
    {"X empty", {1}, {"", "", "", "", "", "", ""}, "Invalid input for X value!"},
    {"X letters, H also bad", {1}, {"abc", "x", "", "", "", "", ""}, "Invalid input for X value!"},
    {"X zero", {7}, {"0", "1000", "0", "1000", "0", "0", ""}, "Invalid input for X value!"},
    {"X thousands separator", {7}, {"1,000", "1000", "0", "1000", "0", "0", ""}, "Invalid input for X value!"},
    {"H negative", {7}, {"1000", "-5", "0", "1000", "0", "0", ""}, "Invalid input for H value!"},
    {"H below range",
     {7},
     {"1000", "99.9", "0", "1000", "0", "0", ""},
     "Invalid input for H value! H must be at least 100 mm and no more than 2000 mm!"},
    {"H above range",
     {7},
     {"1000", "2000.1", "0", "1000", "0", "0", ""},
     "Invalid input for H value! H must be at least 100 mm and no more than 2000 mm!"},
    {"H inches below",
     {7, false, false, true},
     {"10", "3.93", "0", "10", "0", "0", ""},
     "Invalid input for H value! H must be at least 3.94 inch and no more than 78.74 inch!"},
    {"H inches above",
     {7, false, false, true},
     {"10", "78.75", "0", "10", "0", "0", ""},
     "Invalid input for H value! H must be at least 3.94 inch and no more than 78.74 inch!"},
    {"W", {7}, {"1000", "1000", "0", "w", "0", "0", ""}, "Invalid input for W value!"},
    {"Y before Z", {1}, {"1000", "800", "", "1000", "0", "", ""}, "Invalid input for Y value!"},
    {"Z before X1", {1}, {"1000", "800", "300", "1000", "", "0", ""}, "Invalid input for Z value!"},
    {"X1", {3}, {"1000", "800", "300", "1000", "-1", "0", ""}, "Invalid input for X1 value!"},
    {"X2", {10}, {"1000", "800", "300", "1000", "0", "300", ""}, "Invalid input for X2 value!"},
    {"shape 1 sum",
     {1},
     {"1000", "800", "300", "1000", "100", "800", ""},
     "X value cannot be smaller than or equal to the sum of two X1 and one Z!"},
    {"shape 1 half sum",
     {1, true},
     {"1000", "800", "300", "1000", "100", "900", ""},
     "X value cannot be smaller than or equal to the sum of X1 and Z!"},
    {"shape 2 Z equal X",
     {2},
     {"1000", "800", "300", "1000", "0", "1000", ""},
     "Z value must be smaller than X value!"},
    {"shape 3", {3}, {"1000", "800", "300", "1000", "500", "0", ""}, "Two X1 value must be smaller than X value!"},
    {"shape 3 half",
     {3, true},
     {"1000", "800", "300", "1000", "1000", "0", ""},
     "X1 value must be smaller than X value!"},
    {"shape 10",
     {10},
     {"1000", "800", "300", "1000", "0", "600", "200"},
     "X value cannot be smaller than or equal to the sum of two X2 and one Z!"},
    {"shape 10 half",
     {10, true},
     {"1000", "800", "300", "1000", "0", "600", "400"},
     "X value cannot be smaller than or equal to the sum of X2 and Z!"},
    {"shape 11",
     {11},
     {"1000", "800", "300", "1000", "100", "600", "100"},
     "X value cannot be smaller than or equal to the sum of two X1, two X2 and one Z!"},
    {"shape 11 half",
     {11, true},
     {"1000", "800", "300", "1000", "300", "600", "100"},
     "X value cannot be smaller than or equal to the sum of X1, X2 and Z!"},
    {"Y reaches H",
     {4},
     {"1000", "800", "800", "1000", "0", "0", ""},
     "Y value cannot be equal or greater than H value!"},
    // Results that overflow are refused rather than shown as "nan".
    {"X overflows", {7}, {"1e4931", "1000", "", "1000", "", "", ""}, "Invalid input for X value!"},
    {"X overflows, reserve",
     {6, false, true, false},
     {"1e4931", "1000", "", "1000", "", "", ""},
     "Invalid input for X value!"},
    {"W overflows", {7}, {"1000", "1000", "", "1e4931", "", "", ""}, "Invalid input for W value!"},
    {"cylinder length overflows", {12}, {"1e4931", "1000", "", "", "", "", ""}, "Invalid input for X value!"},
    {"bad shape", {0}, {"1000", "800", "0", "1000", "0", "0", ""}, "Invalid Shape Number!"},
};

TEST(ShapeCalculationTest, ChecksInOrderWithTheirMessages) {
    for (const CheckCase& check : kChecks) {
        SCOPED_TRACE(check.name);
        EXPECT_EQ(CalculateShape(check.options, check.texts, '.').error, check.message);
    }
}

TEST(ShapeCalculationTest, EditsTheShapeDoesNotReadAreIgnored) {
    // Shape 7 reads neither Y, Z, X1 nor X2; the cylinder not even W.
    EXPECT_TRUE(CalculateShape({7}, {"1000", "1000", "junk", "1000", "-1", "", "x"}, '.').ok());
    EXPECT_TRUE(CalculateShape({12}, {"1000", "1000", "junk", "", "-1", "", "x"}, '.').ok());
    // The range ends themselves are accepted.
    EXPECT_TRUE(CalculateShape({7}, {"1000", "100", "", "1000", "", "", ""}, '.').ok());
    EXPECT_TRUE(CalculateShape({7}, {"1000", "2000", "", "1000", "", "", ""}, '.').ok());
    EXPECT_TRUE(CalculateShape({7, false, false, true}, {"10", "3.94", "", "10", "", "", ""}, '.').ok());
    EXPECT_TRUE(CalculateShape({7, false, false, true}, {"10", "78.74", "", "10", "", "", ""}, '.').ok());
}

TEST(ShapeCalculationTest, CommaSeparatorReadsAndWritesCommas) {
    const ShapeCalculation result =
        CalculateShape({6, false, true, false}, {" 1000,0 ", "1e3", "", "1000", "", "", ""}, ',');
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.levelSet.bottomLimit, "683,77");
    EXPECT_EQ(CalculateShape({7}, {"1000.5", "1000", "", "1000", "", "", ""}, ',').error, "Invalid input for X value!");
}

} // namespace
} // namespace zeft
