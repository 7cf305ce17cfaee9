#pragma once

#include "calc/TankShape.h"

#include <array>

namespace zeft {

// What a shape calculation yields: the four levels A to D (whole percent, already
// rounded; exactLevels before the rounding), the bottom limit (in the unit of the
// dimensions; whole for the cylinder) and the volume of the whole tank in litres
// (millimetres) or US gallons (inches). reserveHeight: the empty point's height above the
// bottom (0 without reserve), unrounded; the levels lie at 20 to 80 % of the height above it.
struct ShapeResult {
    std::array<long double, 4> levels{};
    std::array<long double, 4> exactLevels{};
    long double bottomLimit = 0;
    long double volume = 0;
    long double reserveHeight = 0;
};

// Area of a symmetric trapezoid of height h whose width grows from b by s per side.
long double CalculateTrapezoidArea(long double h, long double s, long double b);

// Area of a circle of radius r (area ac) filled to height h; hc is 2r - h. The caller
// says whether the level lies below the centre: the segment formula serves only
// segments no higher than the radius.
long double CalculateCircleChordArea(bool belowCentre, long double r, long double h, long double hc, long double ac);
long double CalculateCirclePercent(bool belowCentre, long double r, long double h, long double hc, long double ac);

// The first height of a 0.01 step scan below the radius whose filled area is closest to
// the target.
long double CalculateHeightForTargetCircleChordArea(bool belowCentre, long double target, long double r,
                                                    long double ac);

// The horizontal cylinder (shape 12): diameter h, length x.
ShapeResult CalculateCylinder(bool reserve, long double h, long double x, bool inchUnit);

// The prism shapes 1 to 11, from dimensions already completed by DeriveShapeDimensions.
ShapeResult CalculateProfile(const TankDimensions& d, bool halfTank, bool reserve, bool inchUnit);

// The working values of a profile (shapes 1-11) before any reserve: the full symmetric
// profile (widths doubled for a half tank), its lower section of height hb widening by g
// per side from zw, its upper section widening by s per side from xw - 2 x1, and the
// area of the tank's own profile (half of the symmetric one for a half tank).
struct ProfileSections {
    long double xw = 0;
    long double zw = 0;
    long double x1 = 0;
    long double hb = 0;
    long double g = 0;
    long double s = 0;
    long double lowerArea = 0;
    long double upperArea = 0;
    long double area = 0;
    long double percentFactor = 100; // 50 for a half tank: the areas below are of the full profile
};

ProfileSections MakeProfileSections(const TankDimensions& d, bool halfTank);

// Area of the full symmetric profile filled to the given height above its bottom.
long double FilledProfileArea(const ProfileSections& p, long double level);

// Cubic millimetres per litre or cubic inches per US gallon.
long double VolumeDivisor(bool inchUnit);

} // namespace zeft
