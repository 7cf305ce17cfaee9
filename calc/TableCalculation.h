#pragma once

#include "calc/LevelSet.h"

#include <array>
#include <string>

namespace zeft {

// The five edits of the volume and height calculators, top to bottom: full, 80 %, 60 %,
// 40 % and 20 % (volumes or heights).
using TableEditTexts = std::array<std::string, 5>;

// Either the message of the first failing check, or the level set to show.
struct TableCalculation {
    std::string error;
    LevelSetTexts levelSet;

    bool ok() const { return error.empty(); }
};

// Levels from the volumes held at 20 to 80 % of the height H; the bottom limit is the H
// text as typed.
TableCalculation CalculateByVolume(const TableEditTexts& volumes, const std::string& heightText, bool inchUnit,
                                   char decimalSeparator);

// Levels from the heights at which the tank holds 20 to 80 % of its volume, by
// piecewise-linear interpolation; the bottom limit is the full height as typed.
TableCalculation CalculateByHeight(const TableEditTexts& heights, bool inchUnit, char decimalSeparator);

} // namespace zeft
