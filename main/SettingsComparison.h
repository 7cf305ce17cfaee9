#pragma once

#include "main/SettingsControls.h"

#include <array>
#include <string>

namespace zeft {

// One of the eight settings in two sets side by side.
struct SettingsComparisonRow {
    std::string setting; // its caption: "Output Type", "Top Limit", "Level A" ...
    std::string left;    // the value as a file writes it: a list's code, an edit's text as typed
    std::string right;
    bool same = false;
};

struct SettingsComparison {
    std::array<SettingsComparisonRow, 8> rows; // in the main window's order
    bool equal = false;                        // every row the same
};

// Compares two sets of the eight settings by value: lists by code, edit texts that read as
// numbers by the number rule as numbers ("010" is 10), any other text exactly.
SettingsComparison CompareSettings(const SettingsControls& left, const SettingsControls& right);

} // namespace zeft
