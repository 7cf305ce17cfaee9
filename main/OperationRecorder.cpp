#include "main/OperationRecorder.h"

#include "main/AsFoundBackup.h"
#include "main/HistoryFile.h"
#include "seams/TextTranslation.h"

#include "ZeftVersion.h"

#include <utility>

namespace zeft {

namespace {

const char kNotWritten[] = "The job history could not be written.";
const char kBackupNotWritten[] = "The as-found backup could not be written.";
const char kNoPlace[] = "No folder for the job history is known: set ZEFT_HISTORY to a file.";

} // namespace

std::string HistoryOutcomeText(ExchangeOutcome outcome) {
    switch (outcome) {
    case ExchangeOutcome::Success:
        return std::string(kHistorySuccess);
    case ExchangeOutcome::ConnectFailed:
        return "Fail to connect with the device!";
    case ExchangeOutcome::CommunicateFailed:
        return "Fail to communicate with the device!";
    case ExchangeOutcome::ProgramFailed:
        return "Fail to program the device!";
    case ExchangeOutcome::SettingsNotKept:
        // Acknowledged, yet the read-back differs: not an operation stopped half-way.
        return "The device did not keep the settings sent.";
    case ExchangeOutcome::IncompatibleFirmware:
        return "Fail to program the device due to incompatible firmware! Please contact KOV to upgrade!";
    default:
        return ZEFT_TEXT("Core", "Stopped before its end: the sender was switched off.");
    }
}

void OperationRecorder::WriteTo(std::filesystem::path file, std::string source, Warn warn) {
    file_ = std::move(file);
    source_ = std::move(source);
    warn_ = std::move(warn);
    failing_ = false;
}

void OperationRecorder::SetJob(std::string label, std::string installer) {
    label_ = std::move(label);
    installer_ = std::move(installer);
}

void OperationRecorder::Started(DeviceOperation operation, std::string port, std::string adapter,
                                const SettingsControls& controls) {
    HistoryRecord record;
    record.time = UtcTimeNow();
    record.operation = operation;
    record.port = std::move(port);
    if (!adapter.empty()) {
        record.adapter = std::move(adapter);
    }
    // A read of another port, or of another adapter on it, says nothing of this sender.
    if (asFound_ && (asFound_->port != record.port || asFound_->adapter != record.adapter.value_or(""))) {
        asFound_.reset();
    }
    if (operation == DeviceOperation::Program) {
        // The controls are locked while a program runs: what they hold now is what goes out.
        record.sent = SettingsFromControls(controls);
        if (asFound_) {
            record.asFound = asFound_->settings;
            record.asFoundTime = asFound_->time;
        }
    }
    if (operation != DeviceOperation::Read) {
        // From now on the sender may hold something else than that read saw.
        asFound_.reset();
    }
    record.source = source_;
    record.label = label_;
    record.installer = installer_;
    record.unit = unit_;
    record.version = ZEFT_VERSION_TEXT;
    running_ = std::move(record);
}

void OperationRecorder::Ended(ExchangeOutcome outcome, const SettingsControls& controls, std::string_view notKept) {
    if (!running_) {
        return;
    }
    HistoryRecord record = std::move(*running_);
    running_.reset();
    // The time of the end: a history is read in the order things were done.
    record.time = UtcTimeNow();
    record.outcome = HistoryOutcomeText(outcome);
    if (outcome == ExchangeOutcome::SettingsNotKept && !notKept.empty()) {
        record.outcome = notKept;
    }
    if (outcome == ExchangeOutcome::Success || outcome == ExchangeOutcome::SettingsNotKept) {
        record.settings = SettingsFromControls(controls);
    }
    if (record.operation == DeviceOperation::Read) {
        // A failed read may mean another sender, or none, is on the line now.
        asFound_.reset();
        if (record.settings) {
            asFound_ = AsFoundRead{*record.settings, record.time, record.port, record.adapter.value_or("")};
        }
    }
    records_.push_back(record);
    if (!file_) {
        return;
    }
    if (record.operation == DeviceOperation::Program) {
        if (const AsFoundBackupResult backup = SaveAsFoundBackup(*file_, record); backup.error && warn_) {
            warn_(kBackupNotWritten, *backup.error);
        }
    }
    std::optional<std::string> problem;
    if (file_->empty()) {
        problem = kNoPlace;
    } else if (std::optional<std::string> error = AppendHistoryLine(*file_, HistoryRecordJson(record))) {
        problem = file_->string() + ": " + *error;
    }
    if (problem && !failing_ && warn_) {
        warn_(kNotWritten, *problem);
    }
    failing_ = problem.has_value();
}

} // namespace zeft
