// The registry holds the settings on Windows; the file medium serves only tests there, with
// no second writer, so plain file operations do.
#include "serial/settings/SettingsFileAccess.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include <windows.h>

namespace zeft {

SettingsFileLock::SettingsFileLock(const std::filesystem::path& file) : held_(true) {
    static_cast<void>(file);
}

SettingsFileLock::~SettingsFileLock() = default;

SettingsFileRead ReadSettingsFile(const std::filesystem::path& file, std::uintmax_t largest, std::string& contents) {
    contents.clear();
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return SettingsFileRead::Missing;
    }
    if (error || status.type() != std::filesystem::file_type::regular) {
        return SettingsFileRead::Failed;
    }
    if (std::filesystem::file_size(file, error) > largest || error) {
        return error ? SettingsFileRead::Failed : SettingsFileRead::TooLarge;
    }
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in || in.bad()) {
        return SettingsFileRead::Failed;
    }
    contents = text.str();
    return SettingsFileRead::Read;
}

} // namespace zeft
