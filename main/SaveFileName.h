#pragma once

#include "seams/Prompts.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zeft {

// The name Save As writes to, from the name the save dialog returned.
struct SaveFileName {
    std::filesystem::path path;
    // The dialog's own question covered only the name it returned; once ".zcf" is added,
    // an existing file of the final name has not been asked about.
    bool askBeforeReplacing = false;
};

// Adds the extension (".zcf" unless told) to a name without any dot in its last part (as
// typed: "tank" is saved as "tank.zcf", "tank.txt" and "tank." stay). Asks when the
// extension was added and a file of the final name exists.
SaveFileName ChooseSaveFileName(const std::filesystem::path& chosen, std::string_view extension = ".zcf");

// The question for a file that would be replaced.
std::string ReplaceQuestion(const std::filesystem::path& path);

// A path from the UTF-8 name a dialog hands over.
std::filesystem::path PathFromUtf8(const std::string& name);

// Every save's last step before writing: the dialog's name with the extension added, and
// the question asked when that final name exists. Nothing when the answer is No.
std::optional<std::filesystem::path> ConfirmSaveTarget(const std::string& dialogName, std::string_view extension,
                                                       Prompts& prompts);

} // namespace zeft
