#include "calc/TankContent.h"

#include <numbers>

namespace zeft {

TankContent::TankContent(int shape, bool halfTank, bool inchUnit, const TankDimensions& entered)
    : shape_(shape), halfTank_(shape != kCylinderShape && halfTank), inchUnit_(inchUnit), entered_(entered) {
    if (shape_ == kCylinderShape) {
        volume_ = CalculateCylinder(false, entered_.h, entered_.x, inchUnit_).volume;
        return;
    }
    const TankDimensions d = DeriveShapeDimensions(shape_, halfTank_, entered_);
    profile_ = MakeProfileSections(d, halfTank_);
    volume_ = CalculateProfile(d, halfTank_, false, inchUnit_).volume;
}

long double TankContent::PercentAt(long double height) const {
    if (shape_ == kCylinderShape) {
        const long double h = entered_.h;
        const long double r = h / 2;
        const long double ac = r * r * std::numbers::pi_v<long double>;
        // The segment formula serves segments up to the radius; above it the empty part is one.
        return CalculateCirclePercent(height <= r, r, height, h - height, ac);
    }
    return FilledProfileArea(profile_, height) * profile_.percentFactor / profile_.area;
}

long double TankContent::VolumeAt(long double height) const {
    return PercentAt(height) * volume_ / 100;
}

TankContentCalculation CalculateTankContent(const ShapeOptions& options, const ShapeEditTexts& texts,
                                            char decimalSeparator) {
    ShapeOptions withoutReserve = options;
    withoutReserve.reserve = false;
    const ShapeCalculation checked = CalculateShape(withoutReserve, texts, decimalSeparator);
    if (!checked.ok()) {
        return {checked.error, std::nullopt};
    }
    return {"", TankContent(options.shape, options.halfTank, options.inchUnit, checked.dimensions)};
}

} // namespace zeft
