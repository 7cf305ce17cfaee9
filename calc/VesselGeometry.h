#pragma once

#include "calc/TankGeometry.h"
#include "calc/TankShape.h"

namespace zeft {

// The vessels 13 to 18 (see TankShape.h), with exact geometry: the ovals and the cylinder
// parts by the circle, the hemispherical and 2:1 heads together as an ellipsoid of
// revolution, the sphere by its cap, the cone by its similar triangles, and the
// torispherical heads by integration.

// Volume (in the unit cubed) below the height (0 <= height <= H); the whole at H.
long double VesselContent(int shape, const TankDimensions& d, long double height);

// The level set as the shape calculator gives it for a vessel: levels at 20 to 80 % of the
// usable height, in percent of the usable content; with reserve the empty point lies where
// a tenth of the volume is below it. The bottom limit is unrounded (shown with two decimals).
ShapeResult CalculateVessel(int shape, const TankDimensions& d, bool reserve, bool inchUnit);

} // namespace zeft
