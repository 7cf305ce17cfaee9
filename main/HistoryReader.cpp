#include "main/HistoryReader.h"

#include "base/FileErrorText.h"
#include "main/RegularFileReader.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace zeft {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

// Parses lines into records of the port asked for; counts those that are not records.
class LineTaker {
public:
    LineTaker(const std::optional<std::string>& port, std::function<void(HistoryRecord&&)> take)
        : port_(port), take_(std::move(take)) {}

    // One line, without its line end.
    void Take(std::string_view line) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.find_first_not_of(" \t") == std::string_view::npos) {
            return;
        }
        std::optional<HistoryRecord> record = HistoryRecordFromJson(line);
        if (!record) {
            ++skipped;
        } else if (!port_ || record->port == *port_) {
            take_(std::move(*record));
        }
    }

    std::size_t skipped = 0;

private:
    const std::optional<std::string>& port_;
    std::function<void(HistoryRecord&&)> take_;
};

std::string OpenErrorText(int error) {
    if (error == EISDIR) {
        return "It is a folder.";
    }
    if (error == ENODEV) {
        return "It is not a regular file.";
    }
    return FileErrorTextFromErrno(error);
}

// Whether there is anything to read: not when there is no file yet (nor a folder for it),
// nor when it could not be opened (the listing then says why).
bool Opened(const RegularFileReader& reader, HistoryListing& listing) {
    if (!reader.IsOpen() && reader.Error() != ENOENT && reader.Error() != ENOTDIR) {
        listing.error = OpenErrorText(reader.Error());
    }
    return reader.IsOpen();
}

} // namespace

HistoryListing ForEachHistoryRecord(const fs::path& file, const std::optional<std::string>& port,
                                    const std::function<void(HistoryRecord&&)>& take) {
    HistoryListing listing;
    RegularFileReader reader(file);
    if (!Opened(reader, listing)) {
        return listing;
    }
    LineTaker taker(port, take);
    std::string line;
    bool overlong = false;
    std::string buffer(kChunk, '\0');
    for (std::uint64_t offset = 0; offset < reader.Size();) {
        const std::size_t size = static_cast<std::size_t>(std::min<std::uint64_t>(kChunk, reader.Size() - offset));
        if (!reader.ReadAt(offset, buffer.data(), size)) {
            listing.error = FileErrorTextFromErrno(EIO);
            break;
        }
        offset += size;
        std::string_view rest(buffer.data(), size);
        while (!rest.empty()) {
            const std::size_t newline = rest.find('\n');
            const std::string_view piece = rest.substr(0, newline);
            if (!overlong && line.size() + piece.size() > kLongestHistoryLine) {
                overlong = true;
                std::string().swap(line);
            }
            if (!overlong) {
                line.append(piece);
            }
            if (newline == std::string_view::npos) {
                break;
            }
            overlong ? static_cast<void>(++taker.skipped) : taker.Take(line);
            line.clear();
            overlong = false;
            rest.remove_prefix(newline + 1);
        }
    }
    if (!listing.error) {
        // The last line without its line end: torn when it is not a whole record.
        overlong ? static_cast<void>(++taker.skipped) : taker.Take(line);
    }
    listing.skipped = taker.skipped;
    return listing;
}

HistoryListing ReadHistory(const fs::path& file, const HistoryQuery& query) {
    HistoryListing listing;
    const auto collect = [&listing](HistoryRecord&& record) { listing.records.push_back(std::move(record)); };
    if (!query.last) {
        HistoryListing read = ForEachHistoryRecord(file, query.port, collect);
        read.records = std::move(listing.records);
        return read;
    }
    RegularFileReader reader(file);
    if (!Opened(reader, listing)) {
        return listing;
    }
    LineTaker taker(query.port, collect);
    const auto full = [&] { return listing.records.size() >= *query.last; };
    // The bytes of a line whose start lies further back, latest first: each byte is copied
    // once more when its line is whole, so a line of any length costs its length.
    std::vector<std::string> pieces;
    std::size_t pendingSize = 0;
    bool overlong = false;
    const auto finishLine = [&](std::string_view start) {
        if (overlong || start.size() + pendingSize > kLongestHistoryLine) {
            ++taker.skipped;
        } else if (pieces.empty()) {
            taker.Take(start);
        } else {
            std::string line(start);
            line.reserve(start.size() + pendingSize);
            for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) {
                line += *piece;
            }
            taker.Take(line);
        }
        pieces.clear();
        pendingSize = 0;
        overlong = false;
    };
    std::string buffer(kChunk, '\0');
    std::uint64_t position = reader.Size();
    while (!full() && position > 0) {
        const std::size_t size = static_cast<std::size_t>(std::min<std::uint64_t>(kChunk, position));
        position -= size;
        if (!reader.ReadAt(position, buffer.data(), size)) {
            listing.error = FileErrorTextFromErrno(EIO);
            break;
        }
        const std::string_view chunk(buffer.data(), size);
        std::size_t end = size;
        while (!full() && end > 0) {
            const std::size_t newline = chunk.rfind('\n', end - 1);
            if (newline == std::string_view::npos) {
                break;
            }
            finishLine(chunk.substr(newline + 1, end - newline - 1));
            end = newline;
        }
        if (full()) {
            break;
        }
        if (overlong || pendingSize + end > kLongestHistoryLine) {
            overlong = true;
            pieces.clear();
            pendingSize = 0;
        } else if (end > 0) {
            pieces.emplace_back(chunk.substr(0, end));
            pendingSize += end;
        }
    }
    if (!full() && !listing.error && position == 0) {
        finishLine({});
    }
    listing.skipped = taker.skipped;
    std::reverse(listing.records.begin(), listing.records.end());
    return listing;
}

} // namespace zeft
