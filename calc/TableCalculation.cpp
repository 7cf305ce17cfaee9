#include "calc/TableCalculation.h"

#include "calc/DecimalText.h"
#include "calc/TankHeightRange.h"
#include "seams/TextTranslation.h"

#include <cmath>
#include <cstddef>
#include <optional>
#include <utility>

namespace zeft {
namespace {

TableCalculation Failure(std::string message) {
    TableCalculation result;
    result.error = std::move(message);
    return result;
}

// The name of each edit in the messages, full to 20 %.
constexpr std::array<const char*, 5> kVolumeNames{"Volume @ Full Tank", "Volume @ 80% of H", "Volume @ 60% of H",
                                                  "Volume @ 40% of H", "Volume @ 20% of H"};
constexpr std::array<const char*, 5> kHeightNames{"Height @ Full Tank", "Height @ 80% of Volume",
                                                  "Height @ 60% of Volume", "Height @ 40% of Volume",
                                                  "Height @ 20% of Volume"};

// Reads the five values top down, each positive and below the one above it.
std::optional<std::array<long double, 5>>
ReadDescending(const TableEditTexts& texts, const std::array<const char*, 5>& names, char sep, std::string& error) {
    std::array<long double, 5> values{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto value = PositiveDecimalFromText(texts[i], sep);
        if (!value) {
            error = std::string("Invalid input for ") + names[i] + "!";
            return std::nullopt;
        }
        values[i] = *value;
        if (i > 0 && !(values[i] < values[i - 1])) {
            error = std::string(names[i]) + " cannot be greater than or equal to " + names[i - 1] + "!";
            return std::nullopt;
        }
    }
    return values;
}

// Volume percent at height fraction t from the table (0,0), (x20,20) ... (x80,80), (1,100).
long double InterpolatePercent(const std::array<long double, 4>& x, long double t, long double k) {
    if (x[0] > t) {
        return 20 - (x[0] - t) * 20 / x[0];
    }
    for (std::size_t i = 1; i < x.size(); ++i) {
        if (x[i] > t) {
            return 20.0L * static_cast<long double>(i + 1) - (x[i] - t) * 20 / (x[i] - x[i - 1]);
        }
    }
    return 100 - k / (1 - x[3]);
}

} // namespace

TableCalculation CalculateByVolume(const TableEditTexts& volumes, const std::string& heightText, bool inchUnit,
                                   char sep) {
    std::string error;
    const auto v = ReadDescending(volumes, kVolumeNames, sep, error);
    if (!v) {
        return Failure(error);
    }
    const auto h = PositiveDecimalFromText(heightText, sep);
    if (!h) {
        return Failure(ZEFT_TEXT("Core", "Invalid input for H!"));
    }
    if (std::optional<std::string> refusal = HValueRangeRefusal(*h, inchUnit)) {
        return Failure(std::move(*refusal));
    }
    TableCalculation result;
    // Level A is the 20 % volume, the last of the edits.
    for (std::size_t i = 0; i < 4; ++i) {
        const long double level = (*v)[4 - i] * 100 / (*v)[0];
        // A volume near the top of the number range overflows when multiplied by 100.
        if (!std::isfinite(level)) {
            return Failure(std::string("Invalid input for ") + kVolumeNames[4 - i] + "!");
        }
        result.levelSet.levels[i] = WholeText(level);
    }
    result.levelSet.bottomLimit = heightText;
    return result;
}

TableCalculation CalculateByHeight(const TableEditTexts& heights, bool inchUnit, char sep) {
    std::string error;
    const auto h = ReadDescending(heights, kHeightNames, sep, error);
    if (!h) {
        return Failure(error);
    }
    const long double full = (*h)[0];
    if (!TankHeightInRange(full, inchUnit)) {
        return Failure(inchUnit ? "Invalid input for Height @ Full Tank! Height must be at least 3.94 inch and no "
                                  "more than 78.74 inch!"
                                : "Invalid input for Height @ Full Tank! Height must be at least 100 mm and no more "
                                  "than 2000 mm!");
    }
    const std::array<long double, 4> x{(*h)[4] / full, (*h)[3] / full, (*h)[2] / full, (*h)[1] / full};
    constexpr std::array<long double, 4> kTargets{0.2L, 0.4L, 0.6L, 0.8L};
    // (1 - t) * 20 for each target, as fixed constants.
    constexpr std::array<long double, 4> kLastSegment{16, 12, 8, 4};
    TableCalculation result;
    for (std::size_t i = 0; i < 4; ++i) {
        result.levelSet.levels[i] = WholeText(InterpolatePercent(x, kTargets[i], kLastSegment[i]));
    }
    result.levelSet.bottomLimit = heights[0];
    return result;
}

} // namespace zeft
