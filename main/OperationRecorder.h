#pragma once

#include "main/ExchangeEngine.h"
#include "main/HistoryRecord.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zeft {

// Makes one history record of each device operation from its start and its end, keeps
// this run's records, and appends each to the history file when there is one. A program
// carries the as-found of the last read before it (AsFound); its settings are also saved
// as a .zcf backup beside the history. A history
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

    // The job every record from now on is for, and who does it.
    void SetJob(std::string label, std::string installer);
    // The port changed or was closed: no earlier read stands for the sender on it.
    void ForgetAsFound() { asFound_.reset(); }
    // A successful read of this run that a program would be recorded over: on its port,
    // with nothing since that could have changed the sender or the port.
    struct AsFoundRead {
        RecordedSettings settings;
        std::string time;
        std::string port;
        std::string adapter;
    };
    const std::optional<AsFoundRead>& AsFound() const { return asFound_; }
    // The job label and unit number the records carry from now on ("" and none: without).
    void SetLabel(std::string label) { label_ = std::move(label); }
    void SetUnit(std::optional<int> unit) { unit_ = unit; }

    // adapter: the identity of the port's adapter, empty when unknown.
    void Started(DeviceOperation operation, std::string port, std::string adapter, const SettingsControls& controls);
    // notKept: the failure's text when the sender acknowledged a program but kept other
    // values; the record then keeps it and the settings read back, which the sender holds.
    void Ended(ExchangeOutcome outcome, const SettingsControls& controls, std::string_view notKept = {});

    // This run's records, oldest first.
    const std::vector<HistoryRecord>& Records() const { return records_; }

private:
    std::optional<std::filesystem::path> file_;
    std::string source_;
    Warn warn_;
    bool failing_ = false;
    std::string label_;
    std::string installer_;
    std::optional<AsFoundRead> asFound_;
    std::optional<int> unit_;
    std::optional<HistoryRecord> running_;
    std::vector<HistoryRecord> records_;
};

// The text an outcome is recorded with: "success" or the failure's message.
std::string HistoryOutcomeText(ExchangeOutcome outcome);

} // namespace zeft
