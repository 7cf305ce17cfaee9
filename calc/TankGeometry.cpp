#include "calc/TankGeometry.h"

#include "calc/DecimalText.h"

#include <cmath>
#include <cstddef>
#include <numbers>

namespace zeft {
namespace {

constexpr std::array<long double, 4> kLevelFractions{0.2L, 0.4L, 0.6L, 0.8L};

// Cubic millimetres per litre and cubic inches per US gallon.
long double VolumeDivisor(bool inchUnit) {
    return inchUnit ? 231.0L : 1000000.0L;
}

// Area of the segment of height q of a circle of radius r. The degree factor 0.01745
// (not pi/180) is kept on purpose: the sender's tables were worked out with it.
long double SegmentArea(long double r, long double q) {
    const long double chord = 2 * std::sqrt(q * (2 * r - q));
    const long double theta = 2 * std::asin(chord / (2 * r));
    const long double degrees = theta * 57.29577951308232L;
    const long double arc = r * degrees * 0.01745L;
    return 0.5L * (r * arc - (r - q) * chord);
}

} // namespace

long double CalculateTrapezoidArea(long double h, long double s, long double b) {
    return h * (b + s * h);
}

long double CalculateCircleChordArea(bool belowCentre, long double r, long double h, long double hc, long double ac) {
    return belowCentre ? SegmentArea(r, h) : ac - SegmentArea(r, hc);
}

long double CalculateCirclePercent(bool belowCentre, long double r, long double h, long double hc, long double ac) {
    return CalculateCircleChordArea(belowCentre, r, h, hc, ac) * 100 / ac;
}

long double CalculateHeightForTargetCircleChordArea(bool belowCentre, long double target, long double r,
                                                    long double ac) {
    long double bestDifference = 1000000;
    long double result = 0;
    for (long double q = 0; q < r; q += 0.01L) {
        const long double area = CalculateCircleChordArea(belowCentre, r, q, 2 * r - q, ac);
        const long double difference = std::fabs(target - area);
        if (difference < bestDifference) {
            bestDifference = difference;
            result = q;
        }
    }
    return result;
}

ShapeResult CalculateCylinder(bool reserve, long double h, long double x, bool inchUnit) {
    const long double r = h / 2;
    const long double ac = r * r * std::numbers::pi_v<long double>;
    ShapeResult result;
    if (!reserve) {
        for (std::size_t i = 0; i < kLevelFractions.size(); ++i) {
            const long double fill = kLevelFractions[i] * h;
            result.levels[i] = RoundHalfEven(CalculateCirclePercent(i < 2, r, fill, h - fill, ac));
        }
        result.bottomLimit = RoundHalfEven(h);
    } else {
        const long double reserveArea = 0.1L * ac;
        const long double usableArea = ac - reserveArea;
        const long double reserveHeight = CalculateHeightForTargetCircleChordArea(true, reserveArea, r, ac);
        const long double usable = h - reserveHeight;
        for (std::size_t i = 0; i < kLevelFractions.size(); ++i) {
            const long double level = reserveHeight + kLevelFractions[i] * usable;
            const long double filled = CalculateCircleChordArea(i < 2, r, level, h - level, ac);
            result.levels[i] = RoundHalfEven((filled - reserveArea) / usableArea * 100);
        }
        result.bottomLimit = RoundHalfEven(usable);
    }
    result.volume = ac * x / VolumeDivisor(inchUnit);
    return result;
}

ShapeResult CalculateProfile(const TankDimensions& d, bool halfTank, bool reserve, bool inchUnit) {
    const long double xw = halfTank ? 2 * d.x : d.x;
    long double zw = halfTank ? 2 * d.z : d.z;
    const long double f = halfTank ? 0.25L : 0.5L;
    const long double m = halfTank ? 50 : 100;
    const long double k = halfTank ? 2 : 1;
    const long double c = halfTank ? 8 : 4;
    const long double x1 = d.x1;
    const long double x2 = d.x2;
    const long double y = d.y;

    long double hb = d.h - y;
    const long double lowerArea = hb * f * (zw + xw - 2 * x1 - 2 * x2);
    long double g = (xw - zw - 2 * x1 - 2 * x2) / (2 * hb);
    long double upperArea = 0;
    long double s = 0;
    if (y != 0) {
        upperArea = y * f * (2 * xw - 2 * x1);
        s = x1 / y;
    }
    const long double area = lowerArea + upperArea;

    ShapeResult result;
    result.volume = area * d.w / VolumeDivisor(inchUnit);

    long double reserveArea = 0;
    long double usable = d.h;
    if (reserve) {
        reserveArea = 0.1L * area;
        if (reserveArea >= lowerArea) {
            // The reserve level lies in the upper section: what is left is one trapezoid.
            const long double upperBottom = xw - 2 * x1;
            long double t = 0;
            if (s == 0) {
                t = k * (reserveArea - lowerArea) / xw;
            } else {
                t = (2 * x1 - xw + std::sqrt(upperBottom * upperBottom + c * s * (reserveArea - lowerArea))) / (2 * s);
            }
            zw = 2 * t * s + upperBottom;
            g = s;
            upperArea = 0;
            hb = 0;
            usable = y - t;
        } else {
            long double t = 0;
            if (g == 0) {
                t = k * reserveArea / zw;
            } else {
                t = (std::sqrt(zw * zw + c * reserveArea * g) - zw) / (2 * g);
            }
            zw = 2 * t * g + zw;
            usable = d.h - t;
            hb = usable - y;
        }
    }
    result.bottomLimit = usable;

    for (std::size_t i = 0; i < kLevelFractions.size(); ++i) {
        const long double level = kLevelFractions[i] * usable;
        long double filled = 0;
        if (level <= hb || upperArea == 0) {
            filled = CalculateTrapezoidArea(level, g, zw);
        } else {
            filled = CalculateTrapezoidArea(hb, g, zw) + CalculateTrapezoidArea(level - hb, s, xw - 2 * x1);
        }
        result.levels[i] = RoundHalfEven(filled * m / (area - reserveArea));
    }
    return result;
}

} // namespace zeft
