#pragma once

#include "main/HistoryRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zeft {

enum class HistoryOutcomeFilter { Any, Success, Failure };

// Which records of the job history are wanted; an empty filter wants them all.
struct HistoryFilter {
    std::string label;               // a part of the job label, regardless of case; "" for any
    std::optional<std::string> port; // this port only
    std::optional<DeviceOperation> operation;
    HistoryOutcomeFilter outcome = HistoryOutcomeFilter::Any;
    std::optional<std::int64_t> since; // first second wanted, since 1970
    std::optional<std::int64_t> until; // first second no longer wanted

    bool Matches(const HistoryRecord& record) const;
};

// Sets since and until from local days "YYYY-MM-DD" (until takes its whole day); empty
// texts leave them open. The error's text names the day that is no date.
std::optional<std::string> SetHistoryDays(HistoryFilter& filter, const std::string& since, const std::string& until);

// The records that match, in their order.
std::vector<HistoryRecord> FilterHistory(const std::vector<HistoryRecord>& records, const HistoryFilter& filter);

// The records as CSV (RFC 4180, CR LF), one header line, then one line each: time (UTC and
// local), operation, port, adapter, outcome, label, installer, source, the as-found time,
// and the eight settings sent, reported and as found.
std::string HistoryCsv(const std::vector<HistoryRecord>& records);

} // namespace zeft
