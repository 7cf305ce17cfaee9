#include "main/TankShapeName.h"

#include <array>

namespace zeft {

std::string TankShapeName(int shape) {
    static constexpr std::array<const char*, 18> kNames{"Tank with two sloping sections",
                                                        "Straight-sided tank on a narrowing bottom",
                                                        "Tank narrowing to a point, with a sloping top part",
                                                        "Straight-sided tank on a bottom narrowing to a point",
                                                        "Tank with one sloping section",
                                                        "V-shaped tank",
                                                        "Rectangular box",
                                                        "Box under a widening top part",
                                                        "Stepped tank: two boxes",
                                                        "Stepped tank on a widening bottom",
                                                        "Stepped tank with a widening top and bottom",
                                                        "Horizontal cylinder",
                                                        "Horizontal oval",
                                                        "Horizontal cylinder with hemispherical heads",
                                                        "Horizontal cylinder with 2:1 semi-ellipsoidal heads",
                                                        "Horizontal cylinder with DIN 28011 heads",
                                                        "Sphere",
                                                        "Vertical cylinder on a cone bottom"};
    if (shape < 1 || shape > static_cast<int>(kNames.size())) {
        return "Shape " + std::to_string(shape);
    }
    return kNames[static_cast<std::size_t>(shape - 1)];
}

} // namespace zeft
