#include "main/PlainSettingsControls.h"

#include <cstddef>

namespace zeft {

int PlainSettingsControls::OutputTypeIndex() const {
    return OutputTypeIndexOf(settings.outputType);
}

void PlainSettingsControls::SetOutputTypeIndex(int index) {
    settings.outputType = OutputTypeOfIndex(index);
}

int PlainSettingsControls::FluidTypeIndex() const {
    return FluidTypeIndexOf(settings.fluidType);
}

void PlainSettingsControls::SetFluidTypeIndex(int index) {
    settings.fluidType = FluidTypeOfIndex(index);
}

std::string PlainSettingsControls::EditText(SettingsEdit edit) const {
    return settings.edits.at(static_cast<std::size_t>(edit));
}

void PlainSettingsControls::SetEditText(SettingsEdit edit, const std::string& text) {
    settings.edits.at(static_cast<std::size_t>(edit)) = text;
}

} // namespace zeft
