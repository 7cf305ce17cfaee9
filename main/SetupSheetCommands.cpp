#include "main/SetupSheetCommands.h"

#include "main/AtomicFile.h"
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
    const std::optional<std::string> name = dialogs.AskSaveSetupSheetPath();
    if (!name) {
        return false;
    }
    // The dialogs hand over UTF-8 names.
    const SaveFileName target =
        ChooseSaveFileName(std::filesystem::path(std::u8string(name->begin(), name->end())), ".pdf");
    if (target.askBeforeReplacing && prompts.Confirm(ReplaceQuestion(target.path)) != ConfirmAnswer::Yes) {
        return false;
    }
    if (const std::optional<std::string> error = SaveFileAtomically(target.path, write(buildSheet()))) {
        prompts.ShowApplicationError(*error);
        return false;
    }
    return true;
}

} // namespace zeft
