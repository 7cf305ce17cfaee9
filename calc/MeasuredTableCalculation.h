#pragma once

#include "calc/GaugeError.h"
#include "calc/LevelSet.h"
#include "calc/MeasuredTable.h"
#include "calc/VolumeUnit.h"

#include <optional>
#include <string>
#include <string_view>

namespace zeft {

// What the measured-table calculator is asked: the table, H as typed (empty: the greatest
// height in the table), the unit of the heights and the reserve option. The volumes may
// be in any unit; only their ratios make the levels.
struct MeasuredTableInput {
    MeasuredTable table;
    std::string height;
    bool inchUnit = false;
    bool reserve = false;
};

// The level set as a calculator shows it, the volume at H (in the table's own unit, as a
// number) and where the gauge will be off the most; or the first refusal.
struct MeasuredTableCalculation {
    std::string error;
    LevelSetTexts levelSet;
    long double volume = 0;
    long double top = 0; // H as used
    // Unknown when the table does not reach down to the empty point.
    std::optional<GaugeError> gaugeError;

    bool ok() const { return error.empty(); }
};

// Levels A to D: the content at 20, 40, 60 and 80 % of the usable height (above the reserve
// level with reserve, where a tenth of the volume at H lies below), interpolated with a
// monotone cubic through the points, in percent of the content above the empty point. The
// bottom limit is the usable height, with two decimals. Nothing is extrapolated: H and
// every height needed must lie within the table.
MeasuredTableCalculation CalculateFromMeasuredTable(const MeasuredTableInput& input, char decimalSeparator);

} // namespace zeft
