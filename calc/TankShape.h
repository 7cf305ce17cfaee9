#pragma once

namespace zeft {

constexpr int kShapeCount = 12;
constexpr int kCylinderShape = 12;

// The dimensions of a tank in one unit (millimetres or inches). For the cylinder x is its
// length and h its diameter; w and the profile letters are unused there.
struct TankDimensions {
    long double x = 0;
    long double h = 0;
    long double w = 0;
    long double y = 0;
    long double z = 0;
    long double x1 = 0;
    long double x2 = 0;
};

// Which dimensions a shape reads from the user besides X and H.
struct ShapeReads {
    bool w = false;
    bool y = false;
    bool z = false;
    bool x1 = false;
    bool x2 = false;
};

bool IsValidShape(int shape);

// The catalogue entry of shapes 1 to 12; shapes outside that read nothing.
ShapeReads ShapeReadsOf(int shape);

// The shape window's dimension edits besides X and H, which always show: whether one shows
// for a shape, and whether its text goes back to 0 when the window turns to the shape.
struct ShapeEditRule {
    bool shown = false;
    bool cleared = false;
};
struct ShapeEditRules {
    ShapeEditRule w;
    ShapeEditRule y;
    ShapeEditRule z;
    ShapeEditRule x1;
    ShapeEditRule x2;
};

// Derived from the catalogue: a shape shows what it reads and clears what it does not;
// the shapes with an X2 offset start both offsets from 0; the cylinder hides the profile
// edits and keeps their texts for the way back. Shapes outside 1 to 12 show nothing.
ShapeEditRules ShapeEditRulesOf(int shape);

// Fills in the letters a shape fixes or derives (from the entered X and Z), keeping the
// ones it reads. Half tank changes the derivations of shapes 8 and 9.
TankDimensions DeriveShapeDimensions(int shape, bool halfTank, const TankDimensions& entered);

} // namespace zeft
