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

// Prints the report a device command ends with, given its exit status: as JSON always, as
// text unless the port did not open.
void PrintDeviceReport(int status, const PlainSettingsControls& controls, const std::optional<std::string>& error,
                       bool json);

} // namespace zeft::cli
