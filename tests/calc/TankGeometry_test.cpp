#include "calc/TankGeometry.h"

#include "calc/TankShape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <utility>

namespace zeft {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

TEST(TankGeometryTest, TrapezoidArea) {
    EXPECT_EQ(CalculateTrapezoidArea(10, 0, 5), 50);  // rectangle 5 wide
    EXPECT_EQ(CalculateTrapezoidArea(10, 1, 0), 100); // triangle 20 wide at the top
    EXPECT_EQ(CalculateTrapezoidArea(4, 0.5L, 2), 16);
}

TEST(TankGeometryTest, CircleChordAreaKeepsTheShortDegreeFactor) {
    const long double r = 500;
    const long double ac = r * r * kPi;
    // Half full through the segment formula: the arc uses 0.01745 rad per degree.
    const long double half = CalculateCircleChordArea(true, r, r, r, ac);
    EXPECT_NEAR(static_cast<double>(half / (ac / 2)), 0.01745 * 57.29577951308232, 1e-12);
    // Above the centre the area is the circle less the empty segment above.
    const long double above = CalculateCircleChordArea(false, r, 800, 200, ac);
    EXPECT_NEAR(static_cast<double>(above + CalculateCircleChordArea(true, r, 200, 800, ac)), static_cast<double>(ac),
                1e-6);
    EXPECT_NEAR(static_cast<double>(CalculateCirclePercent(false, r, 800, 200, ac)),
                static_cast<double>(above * 100 / ac), 1e-12);
    EXPECT_EQ(CalculateCircleChordArea(true, r, 0, 2 * r, ac), 0);
}

TEST(TankGeometryTest, HeightScanFindsTheReserveHeight) {
    const long double r = 500;
    const long double ac = r * r * kPi;
    const long double h = CalculateHeightForTargetCircleChordArea(true, 0.1L * ac, r, ac);
    EXPECT_NEAR(static_cast<double>(h), 156.5, 0.1);
    // The scan never tries the radius itself: a target above the half gives the last step below it.
    const long double top = CalculateHeightForTargetCircleChordArea(true, ac, r, ac);
    EXPECT_LT(top, r);
    EXPECT_GT(top, r - 0.02L);
}

TEST(TankGeometryTest, CylinderVolumesAndBottomLimits) {
    const ShapeResult plain = CalculateCylinder(false, 1000, 2000, false);
    EXPECT_EQ(plain.bottomLimit, 1000);
    EXPECT_NEAR(static_cast<double>(plain.volume), 1570.796, 0.001);
    const ShapeResult reserve = CalculateCylinder(true, 1000, 2000, false);
    EXPECT_EQ(reserve.bottomLimit, 843);
    EXPECT_EQ(reserve.volume, plain.volume); // the whole cylinder, reserve or not
    const ShapeResult gallons = CalculateCylinder(false, 10, 10, true);
    EXPECT_NEAR(static_cast<double>(gallons.volume), 25 * std::numbers::pi * 10 / 231, 1e-9);
}

TEST(TankGeometryTest, ReserveSplitsBetweenSections) {
    // Shape 4 (triangle under a tall rectangle): the reserve level lies 72.5 into the rectangle.
    TankDimensions d = DeriveShapeDimensions(4, false, {1000, 1000, 1000, 950, 0, 0, 0});
    const ShapeResult upper = CalculateProfile(d, false, true, false);
    EXPECT_NEAR(static_cast<double>(upper.bottomLimit), 877.5, 1e-9);
    // Shape 6 (triangle): the reserve level at sqrt(100000) in the lower section.
    d = DeriveShapeDimensions(6, false, {1000, 1000, 1000, 0, 0, 0, 0});
    const ShapeResult lower = CalculateProfile(d, false, true, false);
    EXPECT_NEAR(static_cast<double>(lower.bottomLimit), 1000 - std::sqrt(100000.0), 1e-9);
}

TEST(TankGeometryTest, CatalogueDerivations) {
    const TankDimensions entered{1000, 800, 900, 300, 400, 77, 66};
    const TankDimensions eight = DeriveShapeDimensions(8, false, entered);
    EXPECT_EQ(eight.x1, 300);
    EXPECT_EQ(eight.x2, 0);
    EXPECT_EQ(DeriveShapeDimensions(8, true, entered).x1, 600);
    EXPECT_EQ(DeriveShapeDimensions(9, false, entered).x2, 300);
    EXPECT_EQ(DeriveShapeDimensions(9, true, entered).x2, 600);
    const TankDimensions seven = DeriveShapeDimensions(7, false, entered);
    EXPECT_EQ(seven.z, 1000);
    EXPECT_EQ(seven.y, 0);
    EXPECT_EQ(seven.x1, 0);
    const TankDimensions three = DeriveShapeDimensions(3, false, entered);
    EXPECT_EQ(three.z, 0);
    EXPECT_EQ(three.x1, 77);
    EXPECT_EQ(three.y, 300);
}

// The shape window's edits besides H, as letters: X, W, Y, Z, 1 (X1), 2 (X2).
TEST(TankGeometryTest, ShapeEditsShownAndCleared) {
    struct Case {
        int shape;
        std::string shown;
        std::string cleared;
    };
    const Case cases[] = {
        {1, "XWYZ1", "2"},    {2, "XWYZ", "12"},  {3, "XWY1", "Z2"},  {4, "XWY", "Z12"},  {5, "XWZ", "Y12"},
        {6, "XW", "YZ12"},    {7, "XW", "YZ12"},  {8, "XWYZ", "12"},  {9, "XWYZ", "12"},  {10, "XWYZ2", "12"},
        {11, "XWYZ12", "12"}, {12, "X", ""},      {13, "XW", "YZ12"}, {14, "X", "WYZ12"}, {16, "X", "WYZ12"},
        {17, "", "WYZ12"},    {18, "XY", "WZ12"}, {0, "", ""},        {19, "", ""},
    };
    for (const Case& c : cases) {
        const ShapeEditRules rules = ShapeEditRulesOf(c.shape);
        const std::pair<char, ShapeEditRule> edits[] = {{'X', rules.x}, {'W', rules.w},  {'Y', rules.y},
                                                        {'Z', rules.z}, {'1', rules.x1}, {'2', rules.x2}};
        std::string shown;
        std::string cleared;
        for (const auto& [letter, rule] : edits) {
            shown += rule.shown ? std::string(1, letter) : "";
            cleared += rule.cleared ? std::string(1, letter) : "";
        }
        EXPECT_EQ(shown, c.shown) << c.shape;
        EXPECT_EQ(cleared, c.cleared) << c.shape;
    }
}

} // namespace
} // namespace zeft
