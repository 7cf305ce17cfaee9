#pragma once

#include "seams/SettingsControls.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zeft {

// The level set as a calculator window shows it: the texts of the four level results
// and of the bottom limit, in the unit its "Inch Unit" box selects.
struct LevelSetTexts {
    std::array<std::string, 4> levels{"20", "40", "60", "80"};
    std::string bottomLimit = "2000";
};

// The bottom limits a window shows before any calculation, per unit.
inline constexpr std::string_view kDefaultBottomLimitMillimetres = "2000";
inline constexpr std::string_view kDefaultBottomLimitInches = "78.74";

// The bottom-limit text in whole millimetres: read as a decimal (with the window's
// separator, or a point, so that the fixed "78.74" reads back in any locale), times 25.4
// in inch mode, rounded half to even. Empty when the text is no number.
std::optional<std::string> BottomLimitMillimetreText(std::string_view text, bool inchUnit, char decimalSeparator);

// Writes the level set into the main window's edits: the four levels as they stand, then
// the bottom limit in millimetres. Nothing is written when the bottom limit cannot be
// read; returns whether the set was written.
bool HandOverLevelSet(SettingsControls& controls, const LevelSetTexts& levelSet, bool inchUnit, char decimalSeparator);

} // namespace zeft
