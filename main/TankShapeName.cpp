#include "main/TankShapeName.h"

#include "seams/TextTranslation.h"

#include <array>

namespace zeft {

std::string TankShapeName(int shape) {
    static constexpr std::array<const char*, 18> kNames{
        ZEFT_TEXT("SetupSheet", "Tank with two sloping sections"),
        ZEFT_TEXT("SetupSheet", "Straight-sided tank on a narrowing bottom"),
        ZEFT_TEXT("SetupSheet", "Tank narrowing to a point, with a sloping top part"),
        ZEFT_TEXT("SetupSheet", "Straight-sided tank on a bottom narrowing to a point"),
        ZEFT_TEXT("SetupSheet", "Tank with one sloping section"),
        ZEFT_TEXT("SetupSheet", "V-shaped tank"),
        ZEFT_TEXT("SetupSheet", "Rectangular box"),
        ZEFT_TEXT("SetupSheet", "Box under a widening top part"),
        ZEFT_TEXT("SetupSheet", "Stepped tank: two boxes"),
        ZEFT_TEXT("SetupSheet", "Stepped tank on a widening bottom"),
        ZEFT_TEXT("SetupSheet", "Stepped tank with a widening top and bottom"),
        ZEFT_TEXT("SetupSheet", "Horizontal cylinder"),
        ZEFT_TEXT("SetupSheet", "Horizontal oval"),
        ZEFT_TEXT("SetupSheet", "Horizontal cylinder with hemispherical heads"),
        ZEFT_TEXT("SetupSheet", "Horizontal cylinder with 2:1 semi-ellipsoidal heads"),
        ZEFT_TEXT("SetupSheet", "Horizontal cylinder with DIN 28011 heads"),
        ZEFT_TEXT("SetupSheet", "Sphere"),
        ZEFT_TEXT("SetupSheet", "Vertical cylinder on a cone bottom")};
    if (shape < 1 || shape > static_cast<int>(kNames.size())) {
        return FillPlaceholders(TranslatedText("SetupSheet", "Shape %1"), {std::to_string(shape)});
    }
    return TranslatedText("SetupSheet", kNames[static_cast<std::size_t>(shape - 1)]);
}

} // namespace zeft
