#include "calc/VesselGeometry.h"

#include "calc/DecimalText.h"
#include "calc/RoundSections.h"
#include "calc/TorisphericalHead.h"

#include <cmath>
#include <cstddef>
#include <numbers>

namespace zeft {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// A horizontal cylinder of diameter h and length x, filled to q.
long double CylinderPart(const TankDimensions& d, long double q) {
    return d.x * kPi * d.h * d.h / 4 * CircleFillFraction(d.h, q);
}

// An ellipsoid of revolution about the horizontal axis, diameter h, of the given volume.
long double EllipsoidPart(long double volume, const TankDimensions& d, long double q) {
    return volume * SphereFillFraction(d.h, q);
}

long double SphereVolume(long double diameter) {
    return kPi * diameter * diameter * diameter / 6;
}

// The height below which the share of the volume lies: the content only rises, so
// halving the interval finds it to the last bit.
long double HeightBelowShare(int shape, const TankDimensions& d, long double share) {
    const long double target = share * VesselContent(shape, d, d.h);
    long double low = 0;
    long double high = d.h;
    for (int i = 0; i < 200 && high - low > 0; ++i) {
        const long double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high) {
            break;
        }
        (VesselContent(shape, d, middle) < target ? low : high) = middle;
    }
    return high;
}

} // namespace

long double VesselContent(int shape, const TankDimensions& d, long double height) {
    const long double q = std::fmin(std::fmax(height, 0.0L), d.h);
    switch (shape) {
    case kOvalShape:
        return d.x * kPi * d.h * d.w / 4 * CircleFillFraction(d.h, q);
    case kHemisphericalHeadsShape:
        return CylinderPart(d, q) + EllipsoidPart(SphereVolume(d.h), d, q);
    case kEllipsoidalHeadsShape:
        // Each head H/4 deep: together an ellipsoid of half the sphere's length.
        return CylinderPart(d, q) + EllipsoidPart(SphereVolume(d.h) / 2, d, q);
    case kTorisphericalHeadsShape:
        return CylinderPart(d, q) + 2 * TorisphericalHeadContent(d.h, q);
    case kSphereShape:
        return SphereVolume(d.h) * SphereFillFraction(d.h, q);
    case kConeBottomShape: {
        const long double area = kPi * d.x * d.x / 4;
        const long double cone = d.h - d.y;
        if (q <= cone) {
            const long double share = q / cone;
            return area * cone / 3 * share * share * share;
        }
        return area * (cone / 3 + (q - cone));
    }
    default:
        return 0;
    }
}

ShapeResult CalculateVessel(int shape, const TankDimensions& d, bool reserve, bool inchUnit) {
    const long double whole = VesselContent(shape, d, d.h);
    ShapeResult result;
    result.volume = whole / VolumeDivisor(inchUnit);
    const long double reserveVolume = reserve ? 0.1L * whole : 0;
    result.reserveHeight = reserve ? HeightBelowShare(shape, d, 0.1L) : 0;
    const long double usable = d.h - result.reserveHeight;
    result.bottomLimit = usable;
    for (std::size_t i = 0; i < result.levels.size(); ++i) {
        const long double level = result.reserveHeight + 0.2L * static_cast<long double>(i + 1) * usable;
        result.exactLevels[i] = (VesselContent(shape, d, level) - reserveVolume) * 100 / (whole - reserveVolume);
        result.levels[i] = RoundHalfEven(result.exactLevels[i]);
    }
    return result;
}

} // namespace zeft
