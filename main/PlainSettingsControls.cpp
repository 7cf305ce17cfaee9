#include "main/PlainSettingsControls.h"

#include "main/SenderSettings.h"

#include <cstddef>

namespace zeft {

int PlainSettingsControls::OutputTypeIndex() const {
    return settings.outputType ? OutputTypeIndexFromCode(*settings.outputType) : kNoSelection;
}

void PlainSettingsControls::SetOutputTypeIndex(int index) {
    settings.outputType = SelectedCode(OutputTypeCodeFromIndex(index));
}

int PlainSettingsControls::FluidTypeIndex() const {
    return settings.fluidType ? FluidTypeIndexFromCode(*settings.fluidType) : kNoSelection;
}

void PlainSettingsControls::SetFluidTypeIndex(int index) {
    settings.fluidType = SelectedCode(FluidTypeCodeFromIndex(index));
}

std::string PlainSettingsControls::EditText(SettingsEdit edit) const {
    return settings.edits.at(static_cast<std::size_t>(edit));
}

void PlainSettingsControls::SetEditText(SettingsEdit edit, const std::string& text) {
    settings.edits.at(static_cast<std::size_t>(edit)) = text;
}

} // namespace zeft
