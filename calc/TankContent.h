#pragma once

#include "calc/GaugeError.h"
#include "calc/ShapeCalculation.h"
#include "calc/TankGeometry.h"
#include "calc/TankShape.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace zeft {

// How much a tank holds with the liquid at any height above its bottom, with exact
// geometry: never below 0, never falling, the whole volume at H. It also knows the level
// set the shape calculator hands over for the tank (with or without reserve), so that a
// chart can mark where the levels are.
class TankContent {
public:
    // entered: the dimensions as the user gave them (not yet completed by the catalogue).
    TankContent(int shape, bool halfTank, bool reserve, bool inchUnit, const TankDimensions& entered);

    int shape() const { return shape_; }
    bool halfTank() const { return halfTank_; }
    bool reserve() const { return reserve_; }
    bool inchUnit() const { return inchUnit_; }
    const TankDimensions& dimensions() const { return entered_; }
    long double height() const { return entered_.h; }
    // The whole tank, in litres (millimetres) or US gallons (inches).
    long double volume() const { return volume_; }

    // Percent of the whole volume below the height (0 <= height <= H).
    long double PercentAt(long double height) const;
    // The same in litres or US gallons.
    long double VolumeAt(long double height) const;

    // The empty point: the reserve level's height above the bottom, or 0.
    long double reserveHeight() const { return levelSet_.reserveHeight; }
    // The levels A to D as handed over (whole percent of the content above the empty point).
    const std::array<long double, 4>& levels() const { return levelSet_.levels; }
    // Where level i (0 for A) lies: 20, 40, 60 or 80 % of the height above the empty point.
    long double LevelHeight(std::size_t i) const;

    // The true content above the empty point, in percent of all that lies above it (the
    // same as PercentAt without reserve; 0 below the reserve level).
    long double UsablePercentAt(long double height) const;
    // What the sender's gauge reads there, from the levels handed over.
    long double GaugePercentAt(long double height) const;
    // The content that reading stands for, in percent of the whole volume (for drawing the
    // gauge beside the true curve).
    long double GaugeContentPercentAt(long double height) const;
    // The largest difference between the gauge and the true content above the empty point.
    GaugeError LargestGaugeError() const;

private:
    int shape_;
    bool halfTank_;
    bool reserve_;
    bool inchUnit_;
    TankDimensions entered_;
    ProfileSections profile_;
    long double volume_ = 0;
    long double vesselVolume_ = 0; // shapes 13 to 18, in the unit cubed
    ShapeResult levelSet_;
};

// Either the message of the first failing check of the shape calculator (the same checks
// in the same order) or the content of that tank.
struct TankContentCalculation {
    std::string error;
    std::optional<TankContent> content;
};
TankContentCalculation CalculateTankContent(const ShapeOptions& options, const ShapeEditTexts& texts,
                                            char decimalSeparator);

} // namespace zeft
