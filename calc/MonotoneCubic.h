#pragma once

#include <cstddef>
#include <vector>

namespace zeft {

// A monotone piecewise cubic through points with rising x (Fritsch and Carlson): between
// two points it never overshoots, so rising data give a curve that never falls.
class MonotoneCubic {
public:
    // x strictly rising, y as many; at least two points.
    MonotoneCubic(std::vector<long double> x, std::vector<long double> y);

    // The curve at x, for x within the first and last point.
    long double operator()(long double x) const;

private:
    std::vector<long double> x_;
    std::vector<long double> y_;
    std::vector<long double> slopes_; // the tangent at each point
};

} // namespace zeft
