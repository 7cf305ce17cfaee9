#include "calc/RoundSections.h"

#include <cmath>
#include <numbers>

namespace zeft {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// theta - sin(theta), without the cancellation of the direct form for small angles: a
// shallow segment must stay above 0 and keep growing.
long double AngleLessSine(long double theta) {
    if (theta > 0.5L) {
        return theta - std::sin(theta);
    }
    // theta^3/3! - theta^5/5! + theta^7/7! - ...
    const long double square = theta * theta;
    long double term = theta * square / 6;
    long double sum = 0;
    for (int n = 4; n < 60 && std::fabs(term) > sum * 1e-21L; n += 2) {
        sum += term;
        term *= -square / static_cast<long double>(n * (n + 1));
    }
    return sum;
}

// Share of a circle in the segment of height q (0 <= q <= radius), of a circle of radius 1
// scaled: theta is the segment's central angle, from q / (2 r) = sin^2(theta / 4).
long double SegmentFraction(long double diameter, long double q) {
    const long double theta = 4 * std::asin(std::sqrt(q / diameter));
    return AngleLessSine(theta) / (2 * kPi);
}

} // namespace

long double CircleFillFraction(long double diameter, long double q) {
    if (!(q > 0)) {
        return 0;
    }
    if (q >= diameter) {
        return 1;
    }
    // The lower half from its own segment, the upper half as the whole less the empty segment.
    if (2 * q <= diameter) {
        return SegmentFraction(diameter, q);
    }
    return 1 - SegmentFraction(diameter, diameter - q);
}

long double DiscAreaBelow(long double r, long double d) {
    if (!(r > 0)) {
        return 0;
    }
    return CircleFillFraction(2 * r, r + d) * kPi * r * r;
}

long double SphereFillFraction(long double diameter, long double q) {
    if (!(q > 0)) {
        return 0;
    }
    if (q >= diameter) {
        return 1;
    }
    // A cap of height q holds pi q^2 (3 r - q) / 3 of the sphere's 4/3 pi r^3.
    const auto cap = [diameter](long double height) {
        const long double share = height / diameter;
        return share * share * (3 - 2 * share);
    };
    return 2 * q <= diameter ? cap(q) : 1 - cap(diameter - q);
}

} // namespace zeft
