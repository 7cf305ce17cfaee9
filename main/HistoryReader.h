#pragma once

#include "main/HistoryRecord.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zeft {

struct HistoryQuery {
    std::optional<std::string> port; // only the records of this port
    std::optional<std::size_t> last; // only the last so many (of the port's)
};

struct HistoryListing {
    std::vector<HistoryRecord> records; // oldest first
    // Lines looked at that are not whole records: a torn last line, a foreign or broken one.
    std::size_t skipped = 0;
    // Why the file could not be read; a file that does not exist yet is an empty history.
    std::optional<std::string> error;
};

// Reads the history from its end backwards, so that the last few records of a long
// history cost no more than those lines: only the lines looked at are parsed, and the
// skipped count is of those.
HistoryListing ReadHistory(const std::filesystem::path& file, const HistoryQuery& query = {});

} // namespace zeft
