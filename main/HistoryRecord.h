#pragma once

#include "main/RecordedSettings.h"
#include "seams/OperationButtons.h"
#include "seams/TextTranslation.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zeft {

// "read", "program", "restore".
std::string_view HistoryOperationName(DeviceOperation operation);

// The outcome of an operation that succeeded; a failure is recorded by its own text.
inline constexpr std::string_view kHistorySuccess = ZEFT_TEXT("Core", "success");

// One line of the job history: one device operation as it ended.
struct HistoryRecord {
    std::string time; // UTC, ISO 8601 with milliseconds: 2026-05-01T09:30:12.345Z
    DeviceOperation operation = DeviceOperation::Read;
    std::string port;
    std::optional<std::string> adapter;       // the adapter's identity where known
    std::string outcome;                      // kHistorySuccess or the failure's text
    std::optional<RecordedSettings> sent;     // what a program sent
    std::optional<RecordedSettings> settings; // what the sender reported, when it did
    std::string source;                       // "window" or "zeftctl"
    std::string label;                        // the job label, "" when none
    std::string installer;                    // who did the work, "" when unknown
    // A program's: what the sender held, from a read of it in the same run on the same
    // port with no program, restore or change of port between; none when there was none.
    std::optional<RecordedSettings> asFound;
    std::string asFoundTime; // that read's time, as time is
    std::optional<int> unit; // the running unit number of a production run
    std::string version;

    bool Succeeded() const { return outcome == kHistorySuccess; }
};

// The record as one JSON object on one line, without the line end. Bytes that are not
// UTF-8 are replaced, since JSON cannot hold them.
std::string HistoryRecordJson(const HistoryRecord& record);
// A record from one line; nothing for a torn, foreign or otherwise unreadable line.
std::optional<HistoryRecord> HistoryRecordFromJson(std::string_view line);

// Now, or any moment, as the record's time text.
std::string UtcTimeText(std::int64_t millisecondsSinceEpoch);
std::string UtcTimeNow();

} // namespace zeft
