#include "main/HistoryReader.h"

#include "main/FileErrorText.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <string_view>

namespace fs = std::filesystem;

namespace zeft {
namespace {

constexpr std::streamoff kChunk = 64 * 1024;

class Collector {
public:
    explicit Collector(const HistoryQuery& query) : query_(query) {}

    bool Full() const { return query_.last && listing.records.size() >= *query_.last; }

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
            ++listing.skipped;
        } else if (!query_.port || record->port == *query_.port) {
            listing.records.push_back(std::move(*record));
        }
    }

    HistoryListing listing;

private:
    const HistoryQuery& query_;
};

} // namespace

HistoryListing ReadHistory(const fs::path& file, const HistoryQuery& query) {
    Collector collector(query);
    std::error_code error;
    if (!fs::exists(file, error) && !error) {
        return {};
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        collector.listing.error = FileErrorTextFromErrno(errno != 0 ? errno : EACCES);
        return collector.listing;
    }
    in.seekg(0, std::ios::end);
    std::streamoff position = in.tellg();
    if (position < 0) {
        collector.listing.error = FileErrorTextFromErrno(EIO);
        return collector.listing;
    }
    // Bytes of a line whose start lies further back; at the very end, a line without its
    // line end: torn when it is not a whole record.
    std::string pending;
    std::string buffer;
    while (!collector.Full() && (position > 0 || !pending.empty())) {
        const std::streamoff size = std::min(position, kChunk);
        position -= size;
        buffer.assign(static_cast<std::size_t>(size), '\0');
        in.seekg(position);
        if (size > 0 && !in.read(buffer.data(), size)) {
            collector.listing.error = FileErrorTextFromErrno(EIO);
            break;
        }
        buffer += pending;
        std::size_t end = buffer.size();
        for (;;) {
            const std::size_t newline = end == 0 ? std::string::npos : buffer.rfind('\n', end - 1);
            if (newline == std::string::npos) {
                break;
            }
            collector.Take(std::string_view(buffer).substr(newline + 1, end - newline - 1));
            end = newline;
            if (collector.Full()) {
                break;
            }
        }
        pending.assign(buffer, 0, end);
        if (position == 0 && !collector.Full()) {
            collector.Take(pending);
            pending.clear();
        }
    }
    std::reverse(collector.listing.records.begin(), collector.listing.records.end());
    if (query.last && collector.listing.records.size() > *query.last) {
        collector.listing.records.erase(collector.listing.records.begin(),
                                        collector.listing.records.end() - static_cast<std::ptrdiff_t>(*query.last));
    }
    return collector.listing;
}

} // namespace zeft
