#include "calc/LevelSet.h"

#include "calc/DecimalText.h"

#include <cmath>
#include <cstddef>

namespace zeft {

std::optional<std::string> BottomLimitMillimetreText(std::string_view text, bool inchUnit, char decimalSeparator) {
    std::optional<long double> value = DecimalFromText(text, decimalSeparator);
    if (!value && decimalSeparator != '.') {
        value = DecimalFromText(text, '.');
    }
    if (!value) {
        return std::nullopt;
    }
    const long double millimetres = inchUnit ? *value * 25.4L : *value;
    if (!std::isfinite(millimetres)) {
        return std::nullopt;
    }
    return WholeText(millimetres);
}

bool HandOverLevelSet(SettingsControls& controls, const LevelSetTexts& levelSet, bool inchUnit, char decimalSeparator) {
    const std::optional<std::string> bottom =
        BottomLimitMillimetreText(levelSet.bottomLimit, inchUnit, decimalSeparator);
    if (!bottom) {
        return false;
    }
    constexpr std::array<SettingsEdit, 4> kLevelEdits{SettingsEdit::LevelA, SettingsEdit::LevelB, SettingsEdit::LevelC,
                                                      SettingsEdit::LevelD};
    for (std::size_t i = 0; i < kLevelEdits.size(); ++i) {
        controls.SetEditText(kLevelEdits[i], levelSet.levels[i]);
    }
    controls.SetEditText(SettingsEdit::BottomLimit, *bottom);
    return true;
}

} // namespace zeft
