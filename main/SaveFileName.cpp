#include "main/SaveFileName.h"

#include "seams/TextTranslation.h"

namespace fs = std::filesystem;

namespace zeft {

SaveFileName ChooseSaveFileName(const fs::path& chosen, std::string_view extension) {
    const fs::path::string_type name = chosen.filename().native();
    if (name.empty() || name.find(fs::path::value_type('.')) != fs::path::string_type::npos) {
        return {chosen, false};
    }
    fs::path withExtension = chosen;
    withExtension += std::string(extension);
    std::error_code error;
    // Anything of that name (a folder too) is reported when the save tries it.
    const bool exists = fs::symlink_status(withExtension, error).type() != fs::file_type::not_found && !error;
    return {withExtension, exists};
}

std::string ReplaceQuestion(const fs::path& path) {
    const std::u8string name = path.filename().u8string();
    return FillPlaceholders(TranslatedText("Core", "%1 already exists.\nDo you want to replace it?"),
                            {std::string(name.begin(), name.end())});
}

fs::path PathFromUtf8(const std::string& name) {
    return fs::path(std::u8string(name.begin(), name.end()));
}

std::optional<fs::path> ConfirmSaveTarget(const std::string& dialogName, std::string_view extension, Prompts& prompts) {
    const SaveFileName target = ChooseSaveFileName(PathFromUtf8(dialogName), extension);
    if (target.askBeforeReplacing && prompts.Confirm(ReplaceQuestion(target.path)) != ConfirmAnswer::Yes) {
        return std::nullopt;
    }
    return target.path;
}

} // namespace zeft
