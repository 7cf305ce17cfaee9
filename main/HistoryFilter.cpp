#include "main/HistoryFilter.h"

#include "base/AsciiLower.h"
#include "main/LocalTime.h"
#include "main/SettingNames.h"

#include <algorithm>
#include <array>

namespace zeft {
namespace {

bool LooksNumeric(const std::string& text) {
    return text.size() > 1 && text.find_first_not_of("0123456789.", 1) == std::string::npos;
}

std::string CsvField(std::string text) {
    // A spreadsheet runs a cell that starts like a formula: a label must stay a label.
    if (!text.empty() && (text[0] == '=' || text[0] == '+' || text[0] == '@' || text[0] == '\t' ||
                          (text[0] == '-' && !LooksNumeric(text)))) {
        text.insert(0, 1, '\'');
    }
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + '"';
}

void AddSettings(std::vector<std::string>& fields, const std::optional<RecordedSettings>& settings) {
    if (!settings) {
        fields.insert(fields.end(), kSettingNames.size(), std::string());
        return;
    }
    const auto code = [](const std::optional<int>& value) { return value ? std::to_string(*value) : std::string(); };
    fields.push_back(code(settings->outputType));
    fields.push_back(code(settings->fluidType));
    fields.insert(fields.end(), settings->edits.begin(), settings->edits.end());
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        line += (i == 0 ? "" : ",") + CsvField(fields[i]);
    }
    return line + "\r\n";
}

} // namespace

bool HistoryFilter::Matches(const HistoryRecord& record) const {
    if (!label.empty() && AsciiLower(record.label).find(AsciiLower(label)) == std::string::npos) {
        return false;
    }
    if ((port && record.port != *port) || (operation && record.operation != *operation)) {
        return false;
    }
    if (outcome != HistoryOutcomeFilter::Any && record.Succeeded() != (outcome == HistoryOutcomeFilter::Success)) {
        return false;
    }
    if (since || until) {
        const std::optional<std::int64_t> time = SecondsFromRecordTime(record.time);
        if (!time || (since && *time < *since) || (until && *time >= *until)) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> SetHistoryDays(HistoryFilter& filter, const std::string& since, const std::string& until) {
    for (const auto& [text, target] : {std::pair{&since, &filter.since}, std::pair{&until, &filter.until}}) {
        if (text->empty()) {
            target->reset();
            continue;
        }
        // Until a day is up to its end: the next day's start.
        const std::optional<std::int64_t> start = LocalDayStart(*text, target == &filter.until ? 1 : 0);
        if (!start) {
            return "Not a date of the form YYYY-MM-DD: " + *text;
        }
        *target = *start;
    }
    return std::nullopt;
}

std::vector<HistoryRecord> FilterHistory(const std::vector<HistoryRecord>& records, const HistoryFilter& filter) {
    std::vector<HistoryRecord> wanted;
    std::copy_if(records.begin(), records.end(), std::back_inserter(wanted),
                 [&filter](const HistoryRecord& record) { return filter.Matches(record); });
    return wanted;
}

std::string HistoryCsv(const std::vector<HistoryRecord>& records) {
    std::vector<std::string> header{"Time (UTC)", "Local Time", "Operation", "Port",   "Adapter",
                                    "Outcome",    "Label",      "Installer", "Source", "As Found Read"};
    for (const char* group : {"Sent", "Reported", "As Found"}) {
        for (const SettingNames& names : kSettingNames) {
            header.push_back(std::string(group) + " " + std::string(names.key));
        }
    }
    std::string text = CsvLine(header);
    for (const HistoryRecord& record : records) {
        std::vector<std::string> fields{record.time,
                                        LocalRecordTime(record.time),
                                        std::string(HistoryOperationName(record.operation)),
                                        record.port,
                                        record.adapter.value_or(""),
                                        record.outcome,
                                        record.label,
                                        record.installer,
                                        record.source,
                                        record.asFound ? LocalRecordTime(record.asFoundTime) : std::string()};
        AddSettings(fields, record.sent);
        AddSettings(fields, record.settings);
        AddSettings(fields, record.asFound);
        text += CsvLine(fields);
    }
    return text;
}

} // namespace zeft
