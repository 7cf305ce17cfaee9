#include "main/PlainSettingsControls.h"

#include "main/SenderSettings.h"

#include <cstddef>

namespace zeft {

PlainSettingsControls::PlainSettingsControls()
    : edits{std::string(kDefaultTopLimit),  std::string(kDefaultBottomLimit), std::string(kDefaultLevels[0]),
            std::string(kDefaultLevels[1]), std::string(kDefaultLevels[2]),   std::string(kDefaultLevels[3])} {}

std::string PlainSettingsControls::EditText(SettingsEdit edit) const {
    return edits.at(static_cast<std::size_t>(edit));
}

void PlainSettingsControls::SetEditText(SettingsEdit edit, const std::string& text) {
    edits.at(static_cast<std::size_t>(edit)) = text;
}

} // namespace zeft
