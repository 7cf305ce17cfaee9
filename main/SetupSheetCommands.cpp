#include "main/SetupSheetCommands.h"

#include "base/AtomicFile.h"
#include "main/SaveFileName.h"
#include "main/SettingsValidator.h"

#include <filesystem>
#include <optional>

namespace zeft {

bool SaveSetupSheet(SettingsControls& controls, Prompts& prompts, FileDialogs& dialogs,
                    const std::function<SetupSheetContent()>& buildSheet, const SetupSheetWriter& write) {
    if (!ValidateSettings(controls, prompts)) {
        return false;
    }
    return SaveExport(dialogs.AskSaveSetupSheetPath(), ".pdf", prompts, [&] { return write(buildSheet()); });
}

bool SaveExport(const std::optional<std::string>& name, const std::string& extension, Prompts& prompts,
                const std::function<std::string()>& contents) {
    if (!name) {
        return false;
    }
    const std::optional<std::filesystem::path> target = ConfirmSaveTarget(*name, extension, prompts);
    if (!target) {
        return false;
    }
    if (const std::optional<std::string> error = SaveFileAtomically(*target, contents())) {
        prompts.ShowApplicationError(*error);
        return false;
    }
    return true;
}

} // namespace zeft
