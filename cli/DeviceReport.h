#pragma once

#include "main/PlainSettingsControls.h"

#include <optional>
#include <string>

namespace zeft::cli {

// What a device command prints at its end: the first status panel's text and the eight
// settings the main window's controls would hold, as text lines (control characters
// escaped) or as one JSON object.
std::string DeviceReportText(const PlainSettingsControls& controls);
std::string DeviceReportJson(const PlainSettingsControls& controls, const std::optional<std::string>& error);

} // namespace zeft::cli
