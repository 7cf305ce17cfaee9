#pragma once

#include "serial/settings/PortSettingsStore.h"

#include <string>

namespace zeft {

// The window language the user chose in Help > Language, kept beside the port settings
// (value "Language" of section "Display"): a code such as "de", or empty for the
// system's language.
class LanguageSetting {
public:
    explicit LanguageSetting(PortSettingsStore::MediumFactory medium, std::string regKey)
        : medium_(std::move(medium)), regKey_(std::move(regKey)) {}

    // The stored code; empty when none is stored or it cannot be read.
    std::string Read() const;
    // False when it could not be written.
    bool Write(const std::string& code) const;

private:
    PortSettingsStore::MediumFactory medium_;
    std::string regKey_;
};

} // namespace zeft
