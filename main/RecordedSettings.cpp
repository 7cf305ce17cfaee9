#include "main/RecordedSettings.h"

#include "main/SenderSettings.h"
#include "main/SettingNames.h"

#include <cstddef>

namespace zeft {

std::optional<int> SelectedCode(int code) {
    return code == kNoSelection ? std::nullopt : std::optional<int>(code);
}

std::optional<int> OutputTypeOfIndex(int index) {
    return SelectedCode(OutputTypeCodeFromIndex(index));
}

int OutputTypeIndexOf(const std::optional<int>& code) {
    return code ? OutputTypeIndexFromCode(*code) : kNoSelection;
}

std::optional<int> FluidTypeOfIndex(int index) {
    return SelectedCode(FluidTypeCodeFromIndex(index));
}

int FluidTypeIndexOf(const std::optional<int>& code) {
    return code ? FluidTypeIndexFromCode(*code) : kNoSelection;
}

RecordedSettings InitialSettings() {
    RecordedSettings settings;
    settings.outputType = OutputTypeOfIndex(0);
    settings.fluidType = FluidTypeOfIndex(0);
    settings.edits = {std::string(kDefaultTopLimit),  std::string(kDefaultBottomLimit), std::string(kDefaultLevels[0]),
                      std::string(kDefaultLevels[1]), std::string(kDefaultLevels[2]),   std::string(kDefaultLevels[3])};
    return settings;
}

RecordedSettings SettingsFromControls(const SettingsControls& controls) {
    RecordedSettings settings;
    settings.outputType = OutputTypeOfIndex(controls.OutputTypeIndex());
    settings.fluidType = FluidTypeOfIndex(controls.FluidTypeIndex());
    for (std::size_t i = 0; i < kSettingsEdits.size(); ++i) {
        settings.edits[i] = controls.EditText(kSettingsEdits[i]);
    }
    return settings;
}

void PutSettingsIntoControls(const RecordedSettings& settings, SettingsControls& controls) {
    controls.SetOutputTypeIndex(OutputTypeIndexOf(settings.outputType));
    controls.SetFluidTypeIndex(FluidTypeIndexOf(settings.fluidType));
    for (std::size_t i = 0; i < kSettingsEdits.size(); ++i) {
        controls.SetEditText(kSettingsEdits[i], settings.edits[i]);
    }
}

} // namespace zeft
