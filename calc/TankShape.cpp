#include "calc/TankShape.h"

namespace zeft {

bool IsValidShape(int shape) {
    return shape >= 1 && shape <= kShapeCount;
}

bool IsVesselShape(int shape) {
    return shape > kCylinderShape && shape <= kShapeCount;
}

bool HasHalfTank(int shape) {
    return shape >= 1 && shape < kCylinderShape;
}

ShapeReads ShapeReadsOf(int shape) {
    //                w     y      z      x1     x2
    switch (shape) {
    case 1:
        return {true, true, true, true, false};
    case 2:
        return {true, true, true, false, false};
    case 3:
        return {true, true, false, true, false};
    case 4:
        return {true, true, false, false, false};
    case 5:
        return {true, false, true, false, false};
    case 6:
        return {true, false, false, false, false};
    case 7:
        return {true, false, false, false, false};
    case 8:
        return {true, true, true, false, false};
    case 9:
        return {true, true, true, false, false};
    case 10:
        return {true, true, true, false, true};
    case 11:
        return {true, true, true, true, true};
    case kCylinderShape:
    case kHemisphericalHeadsShape:
    case kEllipsoidalHeadsShape:
    case kTorisphericalHeadsShape:
        return {};
    case kOvalShape:
        return {true, false, false, false, false};
    case kSphereShape:
        return {false, false, false, false, false, false};
    case kConeBottomShape:
        return {false, true, false, false, false};
    default:
        return {false, false, false, false, false, false};
    }
}

ShapeEditRules ShapeEditRulesOf(int shape) {
    const ShapeReads reads = ShapeReadsOf(shape);
    const bool clears = IsValidShape(shape) && shape != kCylinderShape;
    const auto rule = [clears](bool read, bool fresh) { return ShapeEditRule{read, clears && (!read || fresh)}; };
    return {{reads.x, false},     rule(reads.w, false),     rule(reads.y, false),
            rule(reads.z, false), rule(reads.x1, reads.x2), rule(reads.x2, reads.x2)};
}

TankDimensions DeriveShapeDimensions(int shape, bool halfTank, const TankDimensions& entered) {
    const ShapeReads reads = ShapeReadsOf(shape);
    TankDimensions d = entered;
    if (!reads.x) {
        d.x = 0;
    }
    if (!reads.w) {
        d.w = 0;
    }
    if (!reads.y) {
        d.y = 0;
    }
    if (!reads.z) {
        d.z = 0;
    }
    if (!reads.x1) {
        d.x1 = 0;
    }
    if (!reads.x2) {
        d.x2 = 0;
    }
    const long double inset = halfTank ? entered.x - entered.z : (entered.x - entered.z) / 2;
    switch (shape) {
    case 7:
        d.z = entered.x;
        break;
    case 8:
        d.x1 = inset;
        break;
    case 9:
        d.x2 = inset;
        break;
    default:
        break;
    }
    return d;
}

} // namespace zeft
