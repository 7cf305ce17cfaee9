#pragma once

namespace zeft {

// Exact fill of round sections: circles (horizontal cylinders, ovals) and spheres (heads,
// spheres). The tank chart and the vessels beyond the prisms use these; the cylinder's
// levels keep their own arithmetic (TankGeometry).

// Area of a disc of radius r below a horizontal line d above its centre: 0 for d <= -r,
// the whole disc for d >= r.
long double DiscAreaBelow(long double r, long double d);

// Share (0 to 1) of a circle of the given diameter that lies below the height q above its
// lowest point: exactly 0 at 0 and 1 at the diameter, never falling in between.
long double CircleFillFraction(long double diameter, long double q);

// The same for a sphere (and so for any ellipsoid of revolution filled across its axis).
long double SphereFillFraction(long double diameter, long double q);

} // namespace zeft
