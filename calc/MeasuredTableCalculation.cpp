#include "calc/MeasuredTableCalculation.h"

#include "calc/DecimalText.h"
#include "calc/DipTable.h"
#include "calc/MonotoneCubic.h"
#include "calc/TankHeightRange.h"
#include "seams/TextTranslation.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstddef>

namespace zeft {
namespace {

constexpr const char* kBeyondRange =
    "The levels cannot be computed from this table: its numbers lie too far apart for the calculation.";

MeasuredTableCalculation Failure(std::string message) {
    MeasuredTableCalculation result;
    result.error = std::move(message);
    return result;
}

// What a double holds: anything else cannot be shown or handed on.
bool Representable(long double value) {
    return std::isfinite(value) && std::fabs(value) <= DBL_MAX;
}

std::string Length(long double value, bool inchUnit) {
    return ShortestNumberText(value) + (inchUnit ? " in" : " mm");
}

} // namespace

MeasuredTableCalculation CalculateFromMeasuredTable(const MeasuredTableInput& input, char sep) {
    if (!input.table.ok()) {
        return Failure(input.table.error);
    }
    const std::vector<MeasuredPoint>& points = input.table.points;
    const long double lowest = points.front().height;
    const long double highest = points.back().height;
    long double top = highest;
    if (!input.height.empty()) {
        const auto h = PositiveDecimalFromText(input.height, sep);
        if (!h) {
            return Failure(ZEFT_TEXT("Core", "Invalid input for H value!"));
        }
        top = *h;
    }
    if (std::optional<std::string> refusal = HValueRangeRefusal(top, input.inchUnit)) {
        return Failure(std::move(*refusal));
    }
    if (top > highest || top < lowest) {
        return Failure("H (" + Length(top, input.inchUnit) + ") lies outside the table, which runs from " +
                       Length(lowest, input.inchUnit) + " to " + Length(highest, input.inchUnit) +
                       ": the calculator does not extrapolate.");
    }

    std::vector<long double> heights;
    std::vector<long double> volumes;
    for (const MeasuredPoint& point : points) {
        heights.push_back(point.height);
        volumes.push_back(point.volume);
    }
    const MonotoneCubic curve(std::move(heights), std::move(volumes));
    const long double whole = curve(top);
    if (!Representable(whole)) {
        return Failure(kBeyondRange);
    }
    if (!(whole > 0)) {
        return Failure(ZEFT_TEXT("Core", "The volume at H must be greater than 0."));
    }

    long double empty = 0;
    long double below = 0;
    if (input.reserve) {
        below = 0.1L * whole;
        if (curve(lowest) > below) {
            return Failure("The table starts at " + Length(lowest, input.inchUnit) +
                           ", above the reserve level (a tenth of the volume at H): add rows further down.");
        }
        // The content never falls: halving finds the lowest height that holds the tenth.
        long double low = lowest;
        long double high = top;
        for (int i = 0; i < 200; ++i) {
            const long double middle = low + (high - low) / 2;
            if (middle <= low || middle >= high) {
                break;
            }
            (curve(middle) < below ? low : high) = middle;
        }
        empty = high;
    }
    const long double usable = top - empty;
    if (empty + 0.2L * usable < lowest) {
        return Failure("The table starts at " + Length(lowest, input.inchUnit) + ", above Level A's height (" +
                       Length(empty + 0.2L * usable, input.inchUnit) + "): add rows further down.");
    }

    MeasuredTableCalculation result;
    result.volume = whole;
    result.top = top;
    std::array<long double, 4> levels{};
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const long double height = empty + 0.2L * static_cast<long double>(i + 1) * usable;
        levels[i] = RoundHalfEven((curve(height) - below) * 100 / (whole - below));
        if (!Representable(levels[i])) {
            return Failure(kBeyondRange);
        }
        result.levelSet.levels[i] = WholeText(levels[i]);
    }
    result.levelSet.bottomLimit = FixedText(usable, 2, sep);
    // The gauge's error needs the content right down to the empty point.
    if (lowest <= empty) {
        result.gaugeError = LargestGaugeError(levels, empty, top, [&](long double height) {
            return std::max<long double>(0, (curve(height) - below) * 100 / (whole - below));
        });
        if (!Representable(result.gaugeError->points) || !Representable(result.gaugeError->height)) {
            return Failure(kBeyondRange);
        }
    }
    return result;
}

} // namespace zeft
