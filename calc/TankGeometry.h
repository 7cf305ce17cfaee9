#pragma once

#include "calc/TankShape.h"

#include <array>

namespace zeft {

// What a shape calculation yields: the four levels A to D (whole percent, already
// rounded), the bottom limit (in the unit of the dimensions; whole for the cylinder) and
// the volume of the whole tank in litres (millimetres) or US gallons (inches).
struct ShapeResult {
    std::array<long double, 4> levels{};
    long double bottomLimit = 0;
    long double volume = 0;
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

} // namespace zeft
