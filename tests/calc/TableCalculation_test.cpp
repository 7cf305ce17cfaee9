#include "calc/TableCalculation.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace zeft {
namespace {

using Levels = std::array<std::string, 4>;

TEST(VolumeTableTest, LevelsAreRatiosToTheFullVolume) {
    struct Case {
        TableEditTexts volumes; // full, 80, 60, 40, 20
        Levels levels;
    };
    const std::vector<Case> cases = {
        {{"80", "70", "60", "50", "10"}, {"12", "62", "75", "88"}}, // 12.5 -> 12, 62.5 -> 62
        {{"80", "70", "60", "50", "11"}, {"14", "62", "75", "88"}}, // 13.75 -> 14
        {{"100", "50.4", "50.2", "40", "20"}, {"20", "40", "50", "50"}},
        {{"1000", "800", "600", "400", "200"}, {"20", "40", "60", "80"}},
    };
    for (const Case& c : cases) {
        const TableCalculation result = CalculateByVolume(c.volumes, "1500.0", false, '.');
        ASSERT_TRUE(result.ok()) << result.error;
        EXPECT_EQ(result.levelSet.levels, c.levels);
        EXPECT_EQ(result.levelSet.bottomLimit, "1500.0"); // the H text as typed
    }
}

TEST(VolumeTableTest, ChecksInOrder) {
    struct Case {
        TableEditTexts volumes;
        std::string height;
        bool inch;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"", "1", "1", "1", "1"}, "x", false, "Invalid input for Volume @ Full Tank!"},
        {{"100", "0", "1", "1", "1"}, "1000", false, "Invalid input for Volume @ 80% of H!"},
        {{"100", "abc", "1", "1", "1"}, "1000", false, "Invalid input for Volume @ 80% of H!"},
        {{"100", "100", "1", "1", "1"},
         "1000",
         false,
         "Volume @ 80% of H cannot be greater than or equal to Volume @ Full Tank!"},
        {{"100", "80", "", "1", "1"}, "1000", false, "Invalid input for Volume @ 60% of H!"},
        {{"100", "80", "81", "1", "1"},
         "1000",
         false,
         "Volume @ 60% of H cannot be greater than or equal to Volume @ 80% of H!"},
        {{"100", "80", "60", "-4", "1"}, "1000", false, "Invalid input for Volume @ 40% of H!"},
        {{"100", "80", "60", "60", "1"},
         "1000",
         false,
         "Volume @ 40% of H cannot be greater than or equal to Volume @ 60% of H!"},
        {{"100", "80", "60", "40", "1 0"}, "1000", false, "Invalid input for Volume @ 20% of H!"},
        {{"100", "80", "60", "40", "41"},
         "1000",
         false,
         "Volume @ 20% of H cannot be greater than or equal to Volume @ 40% of H!"},
        {{"100", "80", "60", "40", "20"}, "0", false, "Invalid input for H!"},
        {{"100", "80", "60", "40", "20"},
         "99.9",
         false,
         "Invalid input for H value! H must be at least 100 mm and no more than 2000 mm!"},
        {{"100", "80", "60", "40", "20"},
         "2000.1",
         false,
         "Invalid input for H value! H must be at least 100 mm and no more than 2000 mm!"},
        {{"100", "80", "60", "40", "20"},
         "3.93",
         true,
         "Invalid input for H value! H must be at least 3.94 inch and no more than 78.74 inch!"},
        {{"100", "80", "60", "40", "20"},
         "78.75",
         true,
         "Invalid input for H value! H must be at least 3.94 inch and no more than 78.74 inch!"},
        // A product that overflows is refused rather than shown as "nan".
        {{"1.1e4932", "1e4931", "1e4930", "1e4929", "1e4928"}, "1000", false, "Invalid input for Volume @ 80% of H!"},
        {{"100", "80", "60", "40", "20"}, "100", false, ""},
        {{"100", "80", "60", "40", "20"}, "2000", false, ""},
        {{"100", "80", "60", "40", "20"}, "3.94", true, ""},
        {{"100", "80", "60", "40", "20"}, "78.74", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message + " / " + c.height);
        EXPECT_EQ(CalculateByVolume(c.volumes, c.height, c.inch, '.').error, c.message);
    }
}

TEST(HeightTableTest, InterpolatesTheInverseTable) {
    struct Case {
        TableEditTexts heights; // full, 80 %, 60 %, 40 %, 20 % of the volume
        Levels levels;
    };
    const std::vector<Case> cases = {
        {{"1000", "800", "600", "400", "200"}, {"20", "40", "60", "80"}},
        {{"1000", "800", "650", "500", "300"}, {"13", "30", "53", "80"}},
        {{"1000", "700", "450", "250", "100"}, {"33", "55", "72", "87"}},
    };
    for (const Case& c : cases) {
        const TableCalculation result = CalculateByHeight(c.heights, false, '.');
        ASSERT_TRUE(result.ok()) << result.error;
        EXPECT_EQ(result.levelSet.levels, c.levels);
        EXPECT_EQ(result.levelSet.bottomLimit, "1000");
    }
}

TEST(HeightTableTest, ChecksInOrderWithTheRangeLast) {
    struct Case {
        TableEditTexts heights;
        bool inch;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"x", "1", "1", "1", "1"}, false, "Invalid input for Height @ Full Tank!"},
        {{"1000", "", "1", "1", "1"}, false, "Invalid input for Height @ 80% of Volume!"},
        {{"90", "95", "1", "1", "1"},
         false,
         "Height @ 80% of Volume cannot be greater than or equal to Height @ Full Tank!"},
        {{"1000", "800", "800", "1", "1"},
         false,
         "Height @ 60% of Volume cannot be greater than or equal to Height @ 80% of Volume!"},
        {{"1000", "800", "600", "0", "1"}, false, "Invalid input for Height @ 40% of Volume!"},
        {{"1000", "800", "600", "700", "1"},
         false,
         "Height @ 40% of Volume cannot be greater than or equal to Height @ 60% of Volume!"},
        {{"1000", "800", "600", "400", "z"}, false, "Invalid input for Height @ 20% of Volume!"},
        {{"1000", "800", "600", "400", "400"},
         false,
         "Height @ 20% of Volume cannot be greater than or equal to Height @ 40% of Volume!"},
        {{"2500", "800", "600", "400", "200"},
         false,
         "Invalid input for Height @ Full Tank! Height must be at least 100 mm and no more than 2000 mm!"},
        {{"99.9", "80", "60", "40", "20"},
         false,
         "Invalid input for Height @ Full Tank! Height must be at least 100 mm and no more than 2000 mm!"},
        {{"78.75", "60", "40", "30", "20"},
         true,
         "Invalid input for Height @ Full Tank! Height must be at least 3.94 inch and no more than 78.74 inch!"},
        {{"3.93", "3", "2", "1", "0.5"},
         true,
         "Invalid input for Height @ Full Tank! Height must be at least 3.94 inch and no more than 78.74 inch!"},
        {{"100", "80", "60", "40", "20"}, false, ""},
        {{"2000", "800", "600", "400", "200"}, false, ""},
        {{"3.94", "3", "2", "1", "0.5"}, true, ""},
        {{"78.74", "60", "40", "30", "20"}, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message + " / " + c.heights[0]);
        EXPECT_EQ(CalculateByHeight(c.heights, c.inch, '.').error, c.message);
    }
}

} // namespace
} // namespace zeft
