#include "main/ConfigFileCommands.h"

#include "main/ConfigFile.h"
#include "main/SaveFileName.h"
#include "main/SettingsValidator.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zeft {

namespace {

// The dialogs hand over UTF-8 names.
std::filesystem::path PathFromUtf8(const std::string& name) {
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

} // namespace

bool SaveSettingsAs(SettingsControls& controls, Prompts& prompts, FileDialogs& dialogs) {
    if (!ValidateSettings(controls, prompts)) {
        return false;
    }
    const std::optional<std::string> name = dialogs.AskSaveConfigPath();
    if (!name) {
        return false;
    }
    const SaveFileName target = ChooseSaveFileName(PathFromUtf8(*name));
    if (target.askBeforeReplacing && prompts.Confirm(ReplaceQuestion(target.path)) != ConfirmAnswer::Yes) {
        return false;
    }
    if (const std::optional<std::string> error = SaveConfigFile(target.path, controls)) {
        prompts.ShowApplicationError(*error);
        return false;
    }
    return true;
}

bool LoadSettings(SettingsControls& controls, FileDialogs& dialogs) {
    const std::optional<std::string> name = dialogs.AskOpenConfigPath();
    if (!name) {
        return false;
    }
    LoadConfigFile(PathFromUtf8(*name), controls);
    return true;
}

} // namespace zeft
