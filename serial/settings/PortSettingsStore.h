#pragma once

#include "serial/settings/PortSettings.h"
#include "serial/settings/SettingsMedium.h"

#include <functional>
#include <memory>
#include <string>

namespace zeft {

// Saves the serial component's 27 settings as string values and loads them back, so that
// the chosen port is remembered between runs. Outcomes are reported through the
// component only: 501 "Settings saved", 502 "Error saving Settings", 401 "Settings
// readed", 402 "Error reading Settings". Nothing raises.
class PortSettingsStore {
public:
    using MediumFactory = std::function<std::unique_ptr<SettingsMedium>()>;

    // The platform's medium for the current user unless another is given (tests).
    explicit PortSettingsStore(MediumFactory factory = CreateUserSettingsMedium);

    // Writes the values in their fixed order under regKey\section.
    void WriteSettings(PortSettingsTarget& port, const std::string& regKey, const std::string& section) const;
    // Reads Active first and applies it last; a missing value gets its default; a value
    // that is not a string stops the reading with what was loaded so far kept.
    void ReadSettings(PortSettingsTarget& port, const std::string& regKey, const std::string& section) const;
    // Where the values are kept, for values of others that sit next to them.
    const MediumFactory& Medium() const { return factory_; }

private:
    MediumFactory factory_;
};

// Decimal text of an integer, as the store writes it; the value's default when the
// whole text is not a 32-bit integer.
std::int64_t StoredInteger(const std::string& text, std::int64_t fallback);

} // namespace zeft
