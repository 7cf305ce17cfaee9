#pragma once

#include "main/HistoryRecord.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zeft {

// The folder of the as-found backups, beside the history file: "as-found".
std::filesystem::path AsFoundBackupFolder(const std::filesystem::path& historyFile);

// The backup's name from the read's time and the job label: "2026-05-01T09-30-12Z Sea
// Breeze 42 - fresh water.zcf". Characters a file name cannot hold on every system become
// '_', and a long label is cut, so that any label gives a usable name.
std::string AsFoundBackupName(const std::string& readTime, const std::string& label);

// Saves the as-found settings of a program record as a .zcf file in the backup folder, so
// that Load and then Program puts the sender back as it was. Returns the file written, or
// the reason it could not be.
struct AsFoundBackupResult {
    std::optional<std::filesystem::path> file;
    std::optional<std::string> error;
};
AsFoundBackupResult SaveAsFoundBackup(const std::filesystem::path& historyFile, const HistoryRecord& program);

} // namespace zeft
