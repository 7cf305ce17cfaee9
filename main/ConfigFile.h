#pragma once

#include "main/RecordedSettings.h"
#include "seams/SettingsControls.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zeft {

// Configuration files (.zcf): the eight sender settings as INI text in two sections.
//
//   [Sensor Parameters]
//   Output Type = 0
//   Fluid Type = 0
//   Top Limit = 10
//   Bottom Limit = 2000
//   [Tank Linearization Parameters]
//   Level A = 20   (and Level B to Level D)

// What a limit or level edit gets when its key is missing from the file.
inline constexpr std::string_view kConfigMissingValue = "Invalid Data";
// The longest value read; longer values are cut.
inline constexpr std::size_t kConfigMaxValueChars = 2047;
// A settings file is a few hundred bytes; reading stops after this much, so that any file
// chosen by mistake (a disk image, a device) loads in bounded time.
inline constexpr std::uintmax_t kConfigReadLimitBytes = 1024 * 1024;

// The ten lines, CR LF each: the codes of the two lists (-1 for no selection) and the six
// edit texts exactly as typed.
std::string ConfigFileText(const SettingsControls& controls);

// Writes the settings to path without ever destroying an existing file there. Returns
// nothing on success, else the text for the application's error box ("Disk full." ...).
std::optional<std::string> SaveConfigFile(const std::filesystem::path& path, const SettingsControls& controls);

// Puts what a file holds into the eight controls. Checks nothing and never fails: a file
// that is missing, unreadable or not a configuration file leaves both lists without a
// selection and "Invalid Data" in the six edits.
void LoadConfigFile(const std::filesystem::path& path, SettingsControls& controls);

// The same from text already in memory.
void LoadConfigText(std::string_view text, SettingsControls& controls);

// What the text holds, as Load reads it but with a list's code kept as written even where
// no item has it (Output Type = 3), so that a comparison shows the file's own code.
RecordedSettings ConfigTextSettings(std::string_view text);
// The same from a file, read as LoadConfigFile reads it.
RecordedSettings ConfigFileSettings(const std::filesystem::path& path);

} // namespace zeft
