#include "serial/settings/SettingsFileMedium.h"

namespace zeft {

// No registry here: the settings go to a file per user.
std::unique_ptr<SettingsMedium> CreateUserSettingsMedium() {
    return std::make_unique<SettingsFileMedium>(UserSettingsFilePath());
}

} // namespace zeft
