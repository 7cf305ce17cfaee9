#pragma once

namespace zeft {

constexpr int kShapeCount = 18;
constexpr int kCylinderShape = 12;
// The vessels after the prisms and the plain cylinder: round sections, heads, cones.
constexpr int kOvalShape = 13;               // horizontal, elliptical cross-section H by W, length X
constexpr int kHemisphericalHeadsShape = 14; // horizontal cylinder X long, diameter H
constexpr int kEllipsoidalHeadsShape = 15;   // the same with 2:1 semi-ellipsoidal heads, each H/4 deep
constexpr int kTorisphericalHeadsShape = 16; // the same with torispherical heads: crown H, knuckle H/10
constexpr int kSphereShape = 17;             // diameter H
constexpr int kConeBottomShape = 18;         // vertical: diameter X, height H, cylindrical part Y at the top

// The dimensions of a tank in one unit (millimetres or inches). For the cylinder x is its
// length and h its diameter; w and the profile letters are unused there. The vessels 13 to
// 18 use the letters their catalogue entry reads.
struct TankDimensions {
    long double x = 0;
    long double h = 0;
    long double w = 0;
    long double y = 0;
    long double z = 0;
    long double x1 = 0;
    long double x2 = 0;
};

// Which dimensions a shape reads from the user besides H (and X, which all but the sphere read).
struct ShapeReads {
    bool w = false;
    bool y = false;
    bool z = false;
    bool x1 = false;
    bool x2 = false;
    bool x = true;
};

bool IsValidShape(int shape);
// Shapes 13 to 18: no profile, no half tank.
bool IsVesselShape(int shape);
// Whether the shape can be a half tank (the prisms 1 to 11).
bool HasHalfTank(int shape);

// The catalogue entry of shapes 1 to 18; shapes outside that read nothing.
ShapeReads ShapeReadsOf(int shape);

// The shape window's dimension edits besides X and H, which always show: whether one shows
// for a shape, and whether its text goes back to 0 when the window turns to the shape.
struct ShapeEditRule {
    bool shown = false;
    bool cleared = false;
};
struct ShapeEditRules {
    ShapeEditRule x;
    ShapeEditRule w;
    ShapeEditRule y;
    ShapeEditRule z;
    ShapeEditRule x1;
    ShapeEditRule x2;
};

// Derived from the catalogue: a shape shows what it reads and clears what it does not;
// the shapes with an X2 offset start both offsets from 0; the cylinder hides the profile
// edits and keeps their texts for the way back; X is never cleared (the sphere hides it).
// Shapes outside 1 to 18 show nothing.
ShapeEditRules ShapeEditRulesOf(int shape);

// Fills in the letters a shape fixes or derives (from the entered X and Z), keeping the
// ones it reads. Half tank changes the derivations of shapes 8 and 9.
TankDimensions DeriveShapeDimensions(int shape, bool halfTank, const TankDimensions& entered);

} // namespace zeft
