#include "calc/VolumeUnit.h"

#include "seams/TextTranslation.h"

#include <cstddef>

namespace zeft {
namespace {

struct UnitEntry {
    std::string_view word;
    std::string_view name;
    std::string_view symbol;
    long double litres; // litres in one unit
    int decimals;
};

// A US gallon is 231 cubic inches, 3.785411784 L; an imperial gallon is 4.54609 L.
constexpr std::array<UnitEntry, 4> kEntries{{
    {"litre", ZEFT_TEXT("Core", "litres"), "L", 1.0L, 3},
    {"m3", ZEFT_TEXT("Core", "cubic metres"), "m3", 1000.0L, 6},
    {"usgal", ZEFT_TEXT("Core", "US gallons"), "US gal", 3.785411784L, 3},
    {"impgal", ZEFT_TEXT("Core", "imperial gallons"), "imp gal", 4.54609L, 3},
}};

const UnitEntry& Entry(VolumeUnit unit) {
    return kEntries[static_cast<std::size_t>(unit)];
}

} // namespace

VolumeUnit DefaultVolumeUnit(bool inchUnit) {
    return inchUnit ? VolumeUnit::UsGallon : VolumeUnit::Litre;
}

long double ConvertVolume(long double value, VolumeUnit from, VolumeUnit to) {
    if (from == to) {
        return value;
    }
    return value * Entry(from).litres / Entry(to).litres;
}

std::string_view VolumeUnitWord(VolumeUnit unit) {
    return Entry(unit).word;
}

std::optional<VolumeUnit> VolumeUnitFromWord(std::string_view word) {
    for (const VolumeUnit unit : kVolumeUnits) {
        if (Entry(unit).word == word) {
            return unit;
        }
    }
    return std::nullopt;
}

std::string_view VolumeUnitName(VolumeUnit unit) {
    return Entry(unit).name;
}

std::string_view VolumeUnitSymbol(VolumeUnit unit) {
    return Entry(unit).symbol;
}

int VolumeDecimals(VolumeUnit unit) {
    return Entry(unit).decimals;
}

} // namespace zeft
