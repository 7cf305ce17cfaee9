#pragma once

#include "serial/settings/SettingsMedium.h"

#include <functional>
#include <memory>
#include <string>

namespace zeft {

// What the work is for and who does it, kept between runs next to the port settings.
struct JobSettings {
    std::string label;           // vessel or site, tank, free text: "Sea Breeze 42 / fresh water"
    std::string installer;       // the name recorded with every operation
    bool readFirst = false;      // Program Device reads the sender first, for a true as-found
    bool installerAsked = false; // the name was asked for once already

    bool operator==(const JobSettings&) const = default;
};

// The job settings under key\"Job" of the medium; missing values are empty (or off).
JobSettings ReadJobSettings(const std::function<std::unique_ptr<SettingsMedium>()>& medium, const std::string& key);
// Writes them; false when the medium could not take them.
bool WriteJobSettings(const std::function<std::unique_ptr<SettingsMedium>()>& medium, const std::string& key,
                      const JobSettings& job);

// Program Device with "Read the sender before programming" (program --read-first) when
// that read failed: nothing was programmed.
inline constexpr const char* kReadFirstFailed =
    "The sender could not be read before programming, so it was not programmed.";

// The environment variable zeftctl takes the installer's name from, when --installer is not given.
inline constexpr const char* kInstallerVariable = "ZEFT_INSTALLER";

} // namespace zeft
