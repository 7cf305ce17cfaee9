#pragma once

#include "main/RecordedSettings.h"
#include "seams/SettingsControls.h"

#include <optional>
#include <string>

namespace zeft::cli {

// A .zcf file named on the command line, put into the controls as Load reads it (missing
// keys give "Invalid Data"). As in the window's Load, a name that leads to no regular file
// is refused; so is a missing or unreadable file, which the window's dialog cannot give:
// read as empty, it would go on with the settings given as options alone. A file larger
// than the reader's limit (kConfigReadLimitBytes) is refused too, never read in part.
// Returns the refusal's text.
std::optional<std::string> LoadConfigArgument(const std::string& argument, SettingsControls& controls);

// The same checks; the settings with a list's code kept as the file writes it, for a
// comparison.
std::optional<std::string> ReadConfigArgument(const std::string& argument, RecordedSettings& settings);

} // namespace zeft::cli
