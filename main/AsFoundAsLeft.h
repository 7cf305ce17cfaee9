#pragma once

#include "main/HistoryRecord.h"

#include <optional>
#include <string>
#include <vector>

namespace zeft {

// A sender programmed: what it held before, when a read of it in the same run stands for
// that (with the read's time), and what it reported after.
struct AsFoundAsLeft {
    std::optional<RecordedSettings> asFound;
    RecordedSettings asLeft;
    std::string asFoundTime; // the read's time as records keep it; empty without one
};

// What a successful program record says: its as-found as it was recorded at the time, and
// its read-back. Nothing for any other record.
std::optional<AsFoundAsLeft> AsFoundAsLeftOf(const HistoryRecord& record);

// The same for the last successful program of this run on port; nothing when none. Never
// from the history file or another run: a read there may have been of another sender.
std::optional<AsFoundAsLeft> FindAsFoundAsLeft(const std::vector<HistoryRecord>& run, const std::string& port);

} // namespace zeft
