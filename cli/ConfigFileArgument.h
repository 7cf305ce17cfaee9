#pragma once

#include "main/SettingsControls.h"

#include <optional>
#include <string>

namespace zeft::cli {

// A .zcf file named on the command line, put into the controls as Load reads it (missing
// keys give "Invalid Data"). Unlike the window's Load, a name that leads to no regular file
// is refused: it is a mistake on the command line, and reading a pipe or a device as an empty
// file would go on with the settings given as options alone. Returns the refusal's text.
std::optional<std::string> LoadConfigArgument(const std::string& argument, SettingsControls& controls);

} // namespace zeft::cli
