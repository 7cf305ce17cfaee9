#include "main/OperationRecorder.h"

#include "main/HistoryFile.h"
#include "main/TextTranslation.h"

#include "ZeftVersion.h"

#include <utility>

namespace zeft {

namespace {

const char kNotWritten[] = "The job history could not be written.";
const char kNoPlace[] = "No folder for the job history is known: set ZEFT_HISTORY to a file.";

HistoryOperation RecordedOperation(ExchangeOperation operation) {
    switch (operation) {
    case ExchangeOperation::ProgramDevice:
        return HistoryOperation::Program;
    case ExchangeOperation::RestoreDefault:
        return HistoryOperation::Restore;
    default:
        return HistoryOperation::Read;
    }
}

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

void OperationRecorder::Started(ExchangeOperation operation, std::string port, std::string adapter,
                                const SettingsControls& controls) {
    HistoryRecord record;
    record.time = UtcTimeNow();
    record.operation = RecordedOperation(operation);
    record.port = std::move(port);
    if (!adapter.empty()) {
        record.adapter = std::move(adapter);
    }
    if (operation == ExchangeOperation::ProgramDevice) {
        // The controls are locked while a program runs: what they hold now is what goes out.
        record.sent = SettingsFromControls(controls);
    }
    record.source = source_;
    record.version = ZEFT_VERSION_TEXT;
    running_ = std::move(record);
}

void OperationRecorder::Ended(ExchangeOutcome outcome, const SettingsControls& controls) {
    if (!running_) {
        return;
    }
    HistoryRecord record = std::move(*running_);
    running_.reset();
    // The time of the end: a history is read in the order things were done.
    record.time = UtcTimeNow();
    record.outcome = HistoryOutcomeText(outcome);
    if (outcome == ExchangeOutcome::Success) {
        record.settings = SettingsFromControls(controls);
    }
    records_.push_back(record);
    if (!file_) {
        return;
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
