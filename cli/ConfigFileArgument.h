#pragma once

#include "main/SettingsControls.h"

#include <optional>
#include <string>

namespace zeft::cli {

// A .zcf file named on the command line, put into the controls as Load reads it (missing
// keys give "Invalid Data"). As in the window's Load, a name that leads to no regular file
// is refused; so is a missing or unreadable file, which the window's dialog cannot give:
// read as empty, it would go on with the settings given as options alone. Returns the
// refusal's text.
std::optional<std::string> LoadConfigArgument(const std::string& argument, SettingsControls& controls);

} // namespace zeft::cli
