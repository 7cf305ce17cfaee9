#pragma once

#include "calc/ShapeCalculation.h"
#include "calc/TankGeometry.h"
#include "calc/TankShape.h"

#include <optional>
#include <string>

namespace zeft {

// How much a tank holds with the liquid at any height above its bottom. It works with the
// same section formulas and circle segments as the levels (without reserve: it describes
// the tank, not the sender's empty point), so that at 20, 40, 60 and 80 % of the height
// the percentage is the unrounded level A to D.
class TankContent {
public:
    // entered: the dimensions as the user gave them (not yet completed by the catalogue).
    TankContent(int shape, bool halfTank, bool inchUnit, const TankDimensions& entered);

    int shape() const { return shape_; }
    bool halfTank() const { return halfTank_; }
    bool inchUnit() const { return inchUnit_; }
    const TankDimensions& dimensions() const { return entered_; }
    long double height() const { return entered_.h; }
    // The whole tank, in litres (millimetres) or US gallons (inches).
    long double volume() const { return volume_; }

    // Percent of the whole volume below the height (0 <= height <= H).
    long double PercentAt(long double height) const;
    // The same in litres or US gallons.
    long double VolumeAt(long double height) const;

private:
    int shape_;
    bool halfTank_;
    bool inchUnit_;
    TankDimensions entered_;
    ProfileSections profile_;
    long double volume_ = 0;
};

// Either the message of the first failing check of the shape calculator (the same checks
// in the same order; the reserve plays no part) or the content of that tank.
struct TankContentCalculation {
    std::string error;
    std::optional<TankContent> content;
};
TankContentCalculation CalculateTankContent(const ShapeOptions& options, const ShapeEditTexts& texts,
                                            char decimalSeparator);

} // namespace zeft
