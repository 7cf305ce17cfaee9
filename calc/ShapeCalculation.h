#pragma once

#include "calc/LevelSet.h"
#include "calc/TankShape.h"

#include <string>

namespace zeft {

// The seven dimension edits of the shape calculator, as typed.
struct ShapeEditTexts {
    std::string x;
    std::string h;
    std::string y;
    std::string w;
    std::string x1;
    std::string z;
    std::string x2;
};

struct ShapeOptions {
    int shape = 1;
    bool halfTank = false;
    bool reserve = false;
    bool inchUnit = false;
};

// Either the message of the first failing check, or the results as the window shows
// them: the level set and the volume text, with the dimensions they were computed from.
struct ShapeCalculation {
    std::string error;
    LevelSetTexts levelSet;
    std::string volume;
    TankDimensions dimensions; // as entered; the letters the shape does not read are 0

    bool ok() const { return error.empty(); }
};

// Checks the edits the shape reads, in the window's order, and computes the shape.
ShapeCalculation CalculateShape(const ShapeOptions& options, const ShapeEditTexts& texts, char decimalSeparator);

} // namespace zeft
