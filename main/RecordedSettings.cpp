#include "main/RecordedSettings.h"

#include "main/SenderSettings.h"
#include "main/SettingNames.h"

#include <cstddef>

namespace zeft {

std::optional<int> SelectedCode(int code) {
    return code == kNoSelection ? std::nullopt : std::optional<int>(code);
}

RecordedSettings InitialSettings() {
    RecordedSettings settings;
    settings.outputType = SelectedCode(OutputTypeCodeFromIndex(0));
    settings.fluidType = SelectedCode(FluidTypeCodeFromIndex(0));
    settings.edits = {std::string(kDefaultTopLimit),  std::string(kDefaultBottomLimit), std::string(kDefaultLevels[0]),
                      std::string(kDefaultLevels[1]), std::string(kDefaultLevels[2]),   std::string(kDefaultLevels[3])};
    return settings;
}

RecordedSettings SettingsFromControls(const SettingsControls& controls) {
    RecordedSettings settings;
    settings.outputType = SelectedCode(OutputTypeCodeFromIndex(controls.OutputTypeIndex()));
    settings.fluidType = SelectedCode(FluidTypeCodeFromIndex(controls.FluidTypeIndex()));
    for (std::size_t i = 0; i < kSettingsEdits.size(); ++i) {
        settings.edits[i] = controls.EditText(kSettingsEdits[i]);
    }
    return settings;
}

void PutSettingsIntoControls(const RecordedSettings& settings, SettingsControls& controls) {
    controls.SetOutputTypeIndex(settings.outputType ? OutputTypeIndexFromCode(*settings.outputType) : kNoSelection);
    controls.SetFluidTypeIndex(settings.fluidType ? FluidTypeIndexFromCode(*settings.fluidType) : kNoSelection);
    for (std::size_t i = 0; i < kSettingsEdits.size(); ++i) {
        controls.SetEditText(kSettingsEdits[i], settings.edits[i]);
    }
}

} // namespace zeft
