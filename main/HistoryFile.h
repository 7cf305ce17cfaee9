#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zeft {

// The job history's file: $ZEFT_HISTORY when set, else history.jsonl in the user's data
// folder ($XDG_DATA_HOME/zeft, default ~/.local/share/zeft; %LOCALAPPDATA%\zeft on
// Windows). Empty when the system names no such folder.
std::filesystem::path HistoryFilePath();

// How long an append waits for another program's append to finish.
inline constexpr std::chrono::milliseconds kHistoryLockLimit{2000};

// Appends one line (the line end is added) to the history at file, whole or not at all:
// one write under an exclusive advisory lock, then flushed to the disk. Old lines are never
// touched; a torn last line left by a program that died while writing gets its line end
// first, so it cannot swallow the new one. The folder is made when missing; a target that
// is not a regular file is refused. Returns nothing on success, else the reason.
std::optional<std::string> AppendHistoryLine(const std::filesystem::path& file, std::string_view line);

} // namespace zeft
