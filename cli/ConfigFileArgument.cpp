#include "cli/ConfigFileArgument.h"

#include "cli/ConsoleCodePage.h"
#include "main/ConfigFile.h"
#include "main/RegularFile.h"
#include "main/SaveTarget.h"

#include <filesystem>
#include <system_error>

namespace zeft::cli {

std::optional<std::string> LoadConfigArgument(const std::string& argument, SettingsControls& controls) {
    const std::filesystem::path path = PathFromCommandLine(argument);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    const std::string prefix = "The settings file " + argument + " cannot be read: ";
    if (status.type() == std::filesystem::file_type::not_found) {
        return prefix + "No such file.";
    }
    if (IsSpecialFile(path)) {
        return prefix + std::string(kNotRegularFileText);
    }
    const std::optional<std::string> text = ReadRegularFile(path, kConfigReadLimitBytes);
    if (!text) {
        return prefix + (error ? error.message() + "." : std::string("It could not be opened."));
    }
    LoadConfigText(*text, controls);
    return std::nullopt;
}

} // namespace zeft::cli
