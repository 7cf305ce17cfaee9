#include "tests/support/FakeSettingsControls.h"

#include <cstddef>

namespace zeft::testing {

FakeSettingsControls::FakeSettingsControls()
    : edits{std::string(kDefaultTopLimit),  std::string(kDefaultBottomLimit), std::string(kDefaultLevels[0]),
            std::string(kDefaultLevels[1]), std::string(kDefaultLevels[2]),   std::string(kDefaultLevels[3])} {}

std::string FakeSettingsControls::EditText(SettingsEdit edit) const {
    return edits.at(static_cast<std::size_t>(edit));
}

void FakeSettingsControls::SetEditText(SettingsEdit edit, const std::string& text) {
    edits.at(static_cast<std::size_t>(edit)) = text;
}

void FakeSettingsControls::SetEdits(const std::array<std::string, 6>& texts) {
    edits = texts;
}

} // namespace zeft::testing
