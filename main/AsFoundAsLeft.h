#pragma once

#include "main/HistoryRecord.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zeft {

// A sender programmed in this run: what it held before (when any read of it is known)
// and what it reported after.
struct AsFoundAsLeft {
    std::optional<RecordedSettings> asFound;
    RecordedSettings asLeft;
};

// For the last successful program of this run on port: As Left is its read-back; As Found
// is the last successful read of the same sender before it (the same port, and the same
// adapter where both records know it), looked for in this run's records first, then in
// the history file. Read Device, Restore Default and an earlier program all end with a
// read of the sender's listing, so each of them counts. Nothing when no program succeeded.
std::optional<AsFoundAsLeft> FindAsFoundAsLeft(const std::vector<HistoryRecord>& run, const std::string& port,
                                               const std::filesystem::path& historyFile);

} // namespace zeft
