#pragma once

#include "main/ExchangeEngine.h"
#include "main/HistoryRecord.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zeft {

// Makes one history record of each device operation from its start and its end, keeps
// this run's records, and appends each to the history file when there is one. A history
// that cannot be written is told to the front end as a warning and nothing else: the
// operation's own result stays as it was.
class OperationRecorder {
public:
    // The warning's text and its detail (the file and the reason).
    using Warn = std::function<void(const std::string& text, const std::string& detail)>;

    // From now on, records go to file as made by source ("window", "zeftctl"). warn is
    // told when a record could not be written, once until one is written again.
    void WriteTo(std::filesystem::path file, std::string source, Warn warn);
    // No more warnings (the front end is going); records are still written.
    void StopWarnings() { warn_ = nullptr; }

    // The job label and unit number the records carry from now on ("" and none: without).
    void SetLabel(std::string label) { label_ = std::move(label); }
    void SetUnit(std::optional<int> unit) { unit_ = unit; }

    // adapter: the identity of the port's adapter, empty when unknown.
    void Started(ExchangeOperation operation, std::string port, std::string adapter, const SettingsControls& controls);
    void Ended(ExchangeOutcome outcome, const SettingsControls& controls);

    // This run's records, oldest first.
    const std::vector<HistoryRecord>& Records() const { return records_; }

private:
    std::optional<std::filesystem::path> file_;
    std::string source_;
    Warn warn_;
    bool failing_ = false;
    std::string label_;
    std::optional<int> unit_;
    std::optional<HistoryRecord> running_;
    std::vector<HistoryRecord> records_;
};

// The text an outcome is recorded with: "success" or the failure's message.
std::string HistoryOutcomeText(ExchangeOutcome outcome);

} // namespace zeft
