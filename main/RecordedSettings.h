#pragma once

#include "seams/SettingsControls.h"

#include <array>
#include <optional>
#include <string>

namespace zeft {

// The eight settings as one value: the codes of the two lists (none when nothing is
// selected) and the six texts as the controls hold them. The history records it, the
// comparison compares it, the plain controls hold one and a production run sends one.
struct RecordedSettings {
    std::optional<int> outputType;
    std::optional<int> fluidType;
    std::array<std::string, 6> edits; // top, bottom, levels A to D

    bool operator==(const RecordedSettings&) const = default;
};

// A list's code as the value keeps it: none for kNoSelection.
std::optional<int> SelectedCode(int code);

// A list's selection as the value keeps it, and back: the code of a list index (none for
// no selection or an index the list does not have), and the list index of a code
// (kNoSelection for none or a code the list does not know).
std::optional<int> OutputTypeOfIndex(int index);
int OutputTypeIndexOf(const std::optional<int>& code);
std::optional<int> FluidTypeOfIndex(int index);
int FluidTypeIndexOf(const std::optional<int>& code);

// The settings the main window starts with.
RecordedSettings InitialSettings();

RecordedSettings SettingsFromControls(const SettingsControls& controls);
// As Load does with a file: codes the lists do not know leave them without a selection.
void PutSettingsIntoControls(const RecordedSettings& settings, SettingsControls& controls);

} // namespace zeft
