#include "calc/TankContent.h"

#include "calc/RoundSections.h"
#include "calc/VesselGeometry.h"

#include <algorithm>

namespace zeft {

TankContent::TankContent(int shape, bool halfTank, bool reserve, bool inchUnit, const TankDimensions& entered)
    : shape_(shape), halfTank_(HasHalfTank(shape) && halfTank), reserve_(reserve), inchUnit_(inchUnit),
      entered_(entered) {
    if (shape_ == kCylinderShape) {
        levelSet_ = CalculateCylinder(reserve_, entered_.h, entered_.x, inchUnit_);
    } else if (IsVesselShape(shape_)) {
        levelSet_ = CalculateVessel(shape_, entered_, reserve_, inchUnit_);
        vesselVolume_ = VesselContent(shape_, entered_, entered_.h);
    } else {
        const TankDimensions d = DeriveShapeDimensions(shape_, halfTank_, entered_);
        profile_ = MakeProfileSections(d, halfTank_);
        levelSet_ = CalculateProfile(d, halfTank_, reserve_, inchUnit_);
    }
    volume_ = levelSet_.volume;
}

long double TankContent::PercentAt(long double height) const {
    if (!(height > 0)) {
        return 0;
    }
    if (height >= entered_.h) {
        return 100;
    }
    if (shape_ == kCylinderShape) {
        // The circle itself, not the levels' short degree factor: a dip table must not dip
        // below 0 or fall near the ends.
        return CircleFillFraction(entered_.h, height) * 100;
    }
    if (IsVesselShape(shape_)) {
        return std::min<long double>(100, VesselContent(shape_, entered_, height) * 100 / vesselVolume_);
    }
    // Rounding must not carry the last rows past the full tank.
    return std::min<long double>(100, FilledProfileArea(profile_, height) * profile_.percentFactor / profile_.area);
}

long double TankContent::VolumeAt(long double height) const {
    if (height >= entered_.h) {
        return volume_;
    }
    return PercentAt(height) * volume_ / 100;
}

long double TankContent::LevelHeight(std::size_t i) const {
    const long double fraction = 0.2L * static_cast<long double>(i + 1);
    return reserveHeight() + fraction * (entered_.h - reserveHeight());
}

long double TankContent::UsablePercentAt(long double height) const {
    if (!reserve_) {
        return PercentAt(height);
    }
    const long double below = PercentAt(reserveHeight());
    return std::max<long double>(0, (PercentAt(height) - below) * 100 / (100 - below));
}

long double TankContent::GaugePercentAt(long double height) const {
    return GaugeReading(levels(), reserveHeight(), entered_.h, height);
}

long double TankContent::GaugeContentPercentAt(long double height) const {
    const long double below = reserve_ ? PercentAt(reserveHeight()) : 0;
    return below + GaugePercentAt(height) * (100 - below) / 100;
}

GaugeError TankContent::LargestGaugeError() const {
    return zeft::LargestGaugeError(levels(), reserveHeight(), entered_.h,
                                   [this](long double height) { return UsablePercentAt(height); });
}

TankContentCalculation CalculateTankContent(const ShapeOptions& options, const ShapeEditTexts& texts,
                                            char decimalSeparator) {
    const ShapeCalculation checked = CalculateShape(options, texts, decimalSeparator);
    if (!checked.ok()) {
        return {checked.error, std::nullopt};
    }
    return {"", TankContent(options.shape, options.halfTank, options.reserve, options.inchUnit, checked.dimensions)};
}

} // namespace zeft
