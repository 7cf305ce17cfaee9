#include "main/ConfigFileCommands.h"

#include "base/SaveTarget.h"
#include "main/ConfigFile.h"
#include "main/RegularFile.h"
#include "main/SaveFileName.h"
#include "main/SettingsValidator.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zeft {

bool SaveSettingsAs(SettingsControls& controls, Prompts& prompts, FileDialogs& dialogs) {
    if (!ValidateSettings(controls, prompts)) {
        return false;
    }
    const std::optional<std::string> name = dialogs.AskSaveConfigPath();
    if (!name) {
        return false;
    }
    const std::optional<std::filesystem::path> target = ConfirmSaveTarget(*name, ".zcf", prompts);
    if (!target) {
        return false;
    }
    if (const std::optional<std::string> error = SaveConfigFile(*target, controls)) {
        prompts.ShowApplicationError(*error);
        return false;
    }
    return true;
}

bool LoadSettings(SettingsControls& controls, Prompts& prompts, FileDialogs& dialogs) {
    const std::optional<std::string> name = dialogs.AskOpenConfigPath();
    if (!name) {
        return false;
    }
    const std::filesystem::path path = PathFromUtf8(*name);
    if (IsSpecialFile(path)) {
        prompts.ShowApplicationError(std::string(kNotRegularFileText));
        return false;
    }
    LoadConfigFile(path, controls);
    return true;
}

} // namespace zeft
