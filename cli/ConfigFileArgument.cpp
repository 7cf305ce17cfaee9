#include "cli/ConfigFileArgument.h"

#include "base/SaveTarget.h"
#include "cli/ConsoleCodePage.h"
#include "main/ConfigFile.h"
#include "main/RegularFile.h"

#include <filesystem>
#include <system_error>

namespace zeft::cli {
namespace {

// The file's whole text, or the refusal.
std::optional<std::string> ReadArgumentText(const std::string& argument, std::string& text) {
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
    // One byte past the limit tells a file that is too large from one that just fits.
    std::optional<std::string> read = ReadRegularFile(path, kConfigReadLimitBytes + 1);
    if (!read) {
        return prefix + (error ? error.message() + "." : std::string("It could not be opened."));
    }
    if (read->size() > kConfigReadLimitBytes) {
        return prefix + "It is larger than " + std::to_string(kConfigReadLimitBytes / (1024 * 1024)) +
               " MiB, too large for a settings file.";
    }
    text = std::move(*read);
    return std::nullopt;
}

} // namespace

std::optional<std::string> LoadConfigArgument(const std::string& argument, SettingsControls& controls) {
    std::string text;
    if (std::optional<std::string> refusal = ReadArgumentText(argument, text)) {
        return refusal;
    }
    LoadConfigText(text, controls);
    return std::nullopt;
}

std::optional<std::string> ReadConfigArgument(const std::string& argument, RecordedSettings& settings) {
    std::string text;
    if (std::optional<std::string> refusal = ReadArgumentText(argument, text)) {
        return refusal;
    }
    settings = ConfigTextSettings(text);
    return std::nullopt;
}

} // namespace zeft::cli
