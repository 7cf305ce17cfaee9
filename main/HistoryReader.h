#pragma once

#include "main/HistoryRecord.h"

#include <cstddef>
#include <filesystem>
#include <functional>
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

// The longest line read as a record; a longer one (a crash's tail of NUL bytes, a foreign
// file) is skipped without being held.
inline constexpr std::size_t kLongestHistoryLine = 1024 * 1024;

// With query.last, reads the history from its end backwards, so that the last few records
// of a long history cost no more than those lines: only the lines looked at are parsed, and
// the skipped count is of those. Without it, reads it from its start. Only a regular file
// is read: a folder, a pipe or a device is refused at once, never waited on.
HistoryListing ReadHistory(const std::filesystem::path& file, const HistoryQuery& query = {});

// Every record (of the port, when one is named), oldest first, handed to take one at a
// time, so that memory stays that of one line whatever the file's size. The listing
// returned has no records, only the skipped count and the error.
HistoryListing ForEachHistoryRecord(const std::filesystem::path& file, const std::optional<std::string>& port,
                                    const std::function<void(HistoryRecord&&)>& take);

} // namespace zeft
