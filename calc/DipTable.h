#pragma once

#include "calc/TankContent.h"
#include "calc/VolumeUnit.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeft {

// One row of a dip table: a height above the tank's bottom, the percentage of the whole
// volume below it, that volume (litres or US gallons, as the tank's unit gives) and what
// the sender's gauge reads there.
struct DipRow {
    long double height = 0;
    long double percent = 0;
    long double volume = 0;
    long double gauge = 0;
};

// Heights 0, S, 2S, ... and H itself as the last row.
struct DipTable {
    std::string error;
    std::vector<DipRow> rows;

    bool ok() const { return error.empty(); }
};

inline constexpr std::size_t kMaxDipRows = 100001;
inline constexpr std::string_view kDefaultDipStep = "10";

inline constexpr std::string_view kChartBeyondRange =
    "The tank's dimensions lie beyond the range of the calculation: no table can be made.";

// Why the step as typed cannot give a table, found without computing a row: not a number
// greater than 0 (read like the dimension edits), more than kMaxDipRows rows (nobody reads
// such a table and it would only eat memory), or a volume beyond a double's range.
std::optional<std::string> DipStepRefusal(const TankContent& content, std::string_view stepText, char decimalSeparator);

// The table, or the refusal above; also refused when a row cannot be computed. stopped,
// when given, is asked before each row; once it holds, the table ends with an error.
DipTable MakeDipTable(const TankContent& content, std::string_view stepText, char decimalSeparator,
                      const std::function<bool()>& stopped = {});

// The shortest text that reads back as the same double, with a dot ("12.5", "0.1", "1e+30").
std::string ShortestNumberText(long double value);

// How a table shows its volumes: rows hold them in the unit the dimensions give (litres
// for millimetres, US gallons for inches) and are shown in `shown`.
struct DipVolumes {
    bool inchUnit = false;
    VolumeUnit shown = VolumeUnit::Litre;
};
DipVolumes DefaultDipVolumes(bool inchUnit);

// Header "height,percent,volume,gauge", then a row a line: the height as
// ShortestNumberText, percent and gauge with 2 decimals and the volume with the unit's
// decimals (from 10^15 up as VolumeText gives it, such as
// "7.853982E62"), always with a dot.
std::string DipTableCsv(const std::vector<DipRow>& rows, DipVolumes volumes);

// A volume as the tables show it: the unit's decimals, from 10^15 up as VolumeText gives it.
std::string ShownVolumeText(long double volume, VolumeUnit unit, char decimalSeparator);

// The texts of one row as a reader sees them in the CSV, the window and the PDF.
struct DipRowTexts {
    std::string height;
    std::string percent;
    std::string volume;
    std::string gauge;
};
DipRowTexts DipRowText(const DipRow& row, DipVolumes volumes);

// Column headers for the window, the PDF and the text table: "Height (mm)", "Percent",
// "Gauge %", "Volume (L)".
struct DipHeaders {
    std::string height;
    std::string percent;
    std::string gauge;
    std::string volume;
};
DipHeaders DipTableHeaders(DipVolumes volumes);

} // namespace zeft
