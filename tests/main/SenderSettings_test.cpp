#include "main/SenderSettings.h"

#include <gtest/gtest.h>

namespace zeft {
namespace {

struct CodeCase {
    int code;
    int outputIndex;
    int fluidIndex;
};

TEST(SenderSettingsTest, CodesDecodeToListIndexes) {
    const CodeCase cases[] = {
        {0, 0, 0},
        {1, 1, 1},
        {2, 2, 2},
        {3, kNoSelection, 3}, // the output list never used code 3
        {4, 3, kNoSelection},
        {5, kNoSelection, kNoSelection},
        {7, kNoSelection, kNoSelection},
        {-1, kNoSelection, kNoSelection},
        {2147483647, kNoSelection, kNoSelection},
    };
    for (const CodeCase& c : cases) {
        EXPECT_EQ(OutputTypeIndexFromCode(c.code), c.outputIndex) << "code " << c.code;
        EXPECT_EQ(FluidTypeIndexFromCode(c.code), c.fluidIndex) << "code " << c.code;
    }
}

TEST(SenderSettingsTest, EveryListIndexRoundTripsThroughItsCode) {
    for (int index = 0; index < 4; ++index) {
        EXPECT_EQ(OutputTypeIndexFromCode(OutputTypeCodeFromIndex(index)), index);
        EXPECT_EQ(FluidTypeIndexFromCode(FluidTypeCodeFromIndex(index)), index);
    }
    EXPECT_EQ(OutputTypeCodeFromIndex(3), 4);
    EXPECT_EQ(OutputTypeCodeFromIndex(kNoSelection), kNoSelection);
    EXPECT_EQ(FluidTypeCodeFromIndex(kNoSelection), kNoSelection);
    EXPECT_EQ(OutputTypeCodeFromIndex(4), kNoSelection);
}

} // namespace
} // namespace zeft
