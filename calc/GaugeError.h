#pragma once

#include <array>
#include <functional>
#include <string>

namespace zeft {

// The sender turns the measured height into content along five straight pieces through
// (0 %, 0), (20 %, A), (40 %, B), (60 %, C), (80 %, D) and (100 %, 100) of the usable
// height, which runs from the empty point (the bottom, or the reserve level) up to H.

// What the gauge reads, in percent, at the height (0 below the empty point, 100 at H).
long double GaugeReading(const std::array<long double, 4>& levels, long double emptyHeight, long double top,
                         long double height);

// The largest difference between the gauge's reading and the true content, in points of
// the gauge's scale, and the (lowest) height where it lies.
struct GaugeError {
    long double points = 0;
    long double height = 0;
};

// truePercent: the true content at a height, in percent of the content above the empty point.
GaugeError LargestGaugeError(const std::array<long double, 4>& levels, long double emptyHeight, long double top,
                             const std::function<long double(long double)>& truePercent);

// "1.85 points at 82.3 mm (8.2 % of H)", or "under 0.01 points" where the gauge reads true.
std::string GaugeErrorText(const GaugeError& error, long double top, bool inchUnit);

} // namespace zeft
