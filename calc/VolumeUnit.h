#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zeft {

// The units a volume can be shown in. The calculators compute in litres (millimetres) or
// US gallons (inches); the chart and the measured table can show any of these.
enum class VolumeUnit { Litre, CubicMetre, UsGallon, ImperialGallon };

inline constexpr std::array<VolumeUnit, 4> kVolumeUnits{VolumeUnit::Litre, VolumeUnit::CubicMetre, VolumeUnit::UsGallon,
                                                        VolumeUnit::ImperialGallon};

// Litres for millimetres, US gallons for inches.
VolumeUnit DefaultVolumeUnit(bool inchUnit);

// The value in `from` expressed in `to` (unchanged when they are the same).
long double ConvertVolume(long double value, VolumeUnit from, VolumeUnit to);

// The command line's words: "litre", "m3", "usgal", "impgal".
std::string_view VolumeUnitWord(VolumeUnit unit);
std::optional<VolumeUnit> VolumeUnitFromWord(std::string_view word);

// "litres", "cubic metres", "US gallons", "imperial gallons".
std::string_view VolumeUnitName(VolumeUnit unit);
// For column headers: "L", "m3", "US gal", "imp gal".
std::string_view VolumeUnitSymbol(VolumeUnit unit);
// Decimals a table shows: 3, or 6 for cubic metres (a litre is 0.001 m3).
int VolumeDecimals(VolumeUnit unit);

} // namespace zeft
