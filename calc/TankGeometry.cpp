#include "calc/TankGeometry.h"

#include "calc/DecimalText.h"

#include <cmath>
#include <cstddef>
#include <numbers>

namespace zeft {
namespace {

constexpr std::array<long double, 4> kLevelFractions{0.2L, 0.4L, 0.6L, 0.8L};

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

long double VolumeDivisor(bool inchUnit) {
    return inchUnit ? 231.0L : 1000000.0L;
}

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
            result.exactLevels[i] = CalculateCirclePercent(i < 2, r, fill, h - fill, ac);
            result.levels[i] = RoundHalfEven(result.exactLevels[i]);
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
            result.exactLevels[i] = (filled - reserveArea) / usableArea * 100;
            result.levels[i] = RoundHalfEven(result.exactLevels[i]);
        }
        result.bottomLimit = RoundHalfEven(usable);
        result.reserveHeight = reserveHeight;
    }
    result.volume = ac * x / VolumeDivisor(inchUnit);
    return result;
}

ProfileSections MakeProfileSections(const TankDimensions& d, bool halfTank) {
    ProfileSections p;
    p.xw = halfTank ? 2 * d.x : d.x;
    p.zw = halfTank ? 2 * d.z : d.z;
    p.x1 = d.x1;
    p.percentFactor = halfTank ? 50 : 100;
    const long double f = halfTank ? 0.25L : 0.5L;
    const long double x2 = d.x2;
    const long double y = d.y;

    p.hb = d.h - y;
    p.lowerArea = p.hb * f * (p.zw + p.xw - 2 * p.x1 - 2 * x2);
    p.g = (p.xw - p.zw - 2 * p.x1 - 2 * x2) / (2 * p.hb);
    if (y != 0) {
        p.upperArea = y * f * (2 * p.xw - 2 * p.x1);
        p.s = p.x1 / y;
    }
    p.area = p.lowerArea + p.upperArea;
    return p;
}

long double FilledProfileArea(const ProfileSections& p, long double level) {
    if (level <= p.hb || p.upperArea == 0) {
        return CalculateTrapezoidArea(level, p.g, p.zw);
    }
    return CalculateTrapezoidArea(p.hb, p.g, p.zw) + CalculateTrapezoidArea(level - p.hb, p.s, p.xw - 2 * p.x1);
}

ShapeResult CalculateProfile(const TankDimensions& d, bool halfTank, bool reserve, bool inchUnit) {
    ProfileSections p = MakeProfileSections(d, halfTank);
    const long double k = halfTank ? 2 : 1;
    const long double c = halfTank ? 8 : 4;
    const long double y = d.y;
    const long double area = p.area;

    ShapeResult result;
    result.volume = area * d.w / VolumeDivisor(inchUnit);

    long double reserveArea = 0;
    long double usable = d.h;
    if (reserve) {
        reserveArea = 0.1L * area;
        if (reserveArea >= p.lowerArea) {
            // The reserve level lies in the upper section: what is left is one trapezoid.
            const long double upperBottom = p.xw - 2 * p.x1;
            long double t = 0;
            if (p.s == 0) {
                t = k * (reserveArea - p.lowerArea) / p.xw;
            } else {
                t = (2 * p.x1 - p.xw + std::sqrt(upperBottom * upperBottom + c * p.s * (reserveArea - p.lowerArea))) /
                    (2 * p.s);
            }
            p.zw = 2 * t * p.s + upperBottom;
            p.g = p.s;
            p.upperArea = 0;
            p.hb = 0;
            usable = y - t;
        } else {
            long double t = 0;
            if (p.g == 0) {
                t = k * reserveArea / p.zw;
            } else {
                t = (std::sqrt(p.zw * p.zw + c * reserveArea * p.g) - p.zw) / (2 * p.g);
            }
            p.zw = 2 * t * p.g + p.zw;
            usable = d.h - t;
            p.hb = usable - y;
        }
    }
    result.bottomLimit = usable;
    result.reserveHeight = d.h - usable;

    for (std::size_t i = 0; i < kLevelFractions.size(); ++i) {
        const long double filled = FilledProfileArea(p, kLevelFractions[i] * usable);
        result.exactLevels[i] = filled * p.percentFactor / (area - reserveArea);
        result.levels[i] = RoundHalfEven(result.exactLevels[i]);
    }
    return result;
}

} // namespace zeft
