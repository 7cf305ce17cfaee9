#include "cli/DeviceCommand.h"

#include "cli/ConsoleCodePage.h"
#include "cli/ConsoleDeviceSession.h"
#include "cli/DeviceReport.h"
#include "cli/ExitStatus.h"
#include "cli/PortNameInput.h"
#include "cli/RunInterruption.h"
#include "cli/Terminal.h"
#include "main/ConfigFile.h"
#include "main/SaveTarget.h"
#include "main/SettingsValidator.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>

namespace zeft::cli {
namespace {

ConsolePrompts::QuestionPolicy QuestionPolicyFor(bool answerYes) {
    if (answerYes) {
        return ConsolePrompts::QuestionPolicy::AnswerYes;
    }
    return StandardInputIsTerminal() ? ConsolePrompts::QuestionPolicy::AskTerminal
                                     : ConsolePrompts::QuestionPolicy::AnswerNo;
}

// Save As to a file named in advance: the same validation, the same safe write.
int SaveAfterSuccess(const std::string& file, ConsoleControls& controls, ConsolePrompts& prompts) {
    if (!ValidateSettings(controls, prompts)) {
        return kExitInvalidInput;
    }
    const std::filesystem::path path = PathFromCommandLine(file);
    // A target that is no regular file is the caller's mistake, not a failed write.
    if (const std::optional<std::string> refusal = ResolveSaveTarget(path).refusal) {
        prompts.ShowApplicationError(*refusal);
        return kExitInvalidInput;
    }
    if (const std::optional<std::string> error = SaveConfigFile(path, controls)) {
        prompts.ShowApplicationError(*error);
        return kExitOperationFailed;
    }
    return kExitSuccess;
}

} // namespace

void DeviceCommand::AddOptions(CLI::App& command) {
    AddLineOptions(command, port_, line_);
    command.add_flag("--json", json_, "print one JSON object instead of text");
    command.add_option_function<std::string>(
        "--save", [this](const std::string& file) { saveFile_ = file; },
        "after success, save the settings to this .zcf file");
    AddOwnOptions(command);
    command.add_flag("--yes", answerYes_, "answer Yes to the top-limit question");
}

int DeviceCommand::Run() {
    // First, before any other thread starts: from here on a stop is always heard.
    RunInterruption interruption(json_);
    ConsoleControls controls(StandardErrorIsTerminal() ? stderr : nullptr);
    ConsolePrompts prompts(stderr, stdin, QuestionPolicyFor(answerYes_));
    PrepareControls(controls);

    int status = kExitSuccess;
    {
        ConsoleDeviceSession session(controls, prompts);
        if (!Acceptable(session)) {
            status = kExitInvalidInput;
        } else {
            // Opening raises RTS for a moment: from here a stop waits for the sender to be off.
            const RunInterruption::Scope running = interruption.WakeWhileRunning([&session] { session.WakeLoop(); });
            if (!session.Open(PortNameFromInput(port_), line_)) {
                status = kExitPortNotOpened;
            } else if (!interruption.Requested()) {
                const auto interrupted = [&interruption] { return interruption.Requested(); };
                status = BeforeOperation(session, controls, interrupted);
                if (status == kExitSuccess && !interruption.Requested()) {
                    status = session.Run(operation_, interrupted);
                }
            }
        }
    }
    if (status == kExitSuccess && interruption.Requested()) {
        // The stop came while the port opened or as the operation ended.
        prompts.ShowError("Interrupted.");
        status = kExitInterrupted;
    }
    if (status == kExitSuccess && saveFile_) {
        status = SaveAfterSuccess(*saveFile_, controls, prompts);
    }
    interruption.Finishing();
    const std::string report = json_ ? DeviceReportJson(controls, prompts.LastError()) : DeviceReportText(controls);
    if (status != kExitPortNotOpened || json_) {
        std::fputs(report.c_str(), stdout);
    }
    return status;
}

} // namespace zeft::cli
