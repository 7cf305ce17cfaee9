#pragma once

#include "main/RecordedSettings.h"
#include "seams/SettingsControls.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zeft {

// A row's note where the values are the same but the texts are not: the text that goes
// out is the right side's, as typed.
inline constexpr std::string_view kSentAsTypedNote = "same value, sent as typed: ";

// One of the eight settings in two sets side by side.
struct SettingsComparisonRow {
    std::string setting; // its caption: "Output Type", "Top Limit", "Level A" ...
    std::string left;    // the value as a file writes it: a list's code, an edit's text as typed
    std::string right;
    bool same = false;
    std::string note; // "same value, sent as typed: $14", or empty
};

struct SettingsComparison {
    std::array<SettingsComparisonRow, 8> rows; // in the main window's order
    bool equal = false;                        // every row the same
};

// Compares two sets of the eight settings by value: lists by code (a recorded code that no
// item has kept as it is), edit texts that read as numbers by the number rule as numbers
// ("010" is 10), any other text exactly. Equal numbers written differently get a note.
SettingsComparison CompareSettings(const SettingsControls& left, const SettingsControls& right);
// The same for settings kept aside or recorded.
SettingsComparison CompareSettings(const RecordedSettings& left, const RecordedSettings& right);

// How many rows differ.
std::size_t DifferingRows(const SettingsComparison& comparison);

// A row's value as a person reads it: a list's code with its item ("4 (Resistive 300 - 10R)",
// "(none selected)" for -1, "3 (no such code)"), an edit's text as it is.
std::string ShownComparisonValue(std::size_t row, const std::string& value);

} // namespace zeft
