#include "cli/DeviceCommand.h"

#include "base/SaveTarget.h"
#include "cli/ConsoleCodePage.h"
#include "cli/ConsoleDeviceSession.h"
#include "cli/DeviceReport.h"
#include "cli/ExitStatus.h"
#include "cli/RunInterruption.h"
#include "cli/SenderRun.h"
#include "cli/Terminal.h"
#include "main/ConfigFile.h"
#include "main/JobSettings.h"
#include "main/SettingsValidator.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <cstdlib>
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
    command
        .add_option_function<std::string>(
            "--save", [this](const std::string& file) { saveFile_ = file; },
            "after success, save the settings to this .zcf file")
        ->type_name("FILE");
    command.add_option("--label", label_, "the job label every history record carries: vessel or site, tank, text");
    command.add_option_function<std::string>(
        "--installer", [this](const std::string& name) { installer_ = name; },
        std::string("who does the work, for the history (default: $") + kInstallerVariable + ")");
    AddOwnOptions(command);
    command.add_flag("--yes", answerYes_, "answer Yes to the top-limit question");
}

int DeviceCommand::Run() {
    // First, before any other thread starts: from here on a stop is always heard.
    RunInterruption interruption(json_);
    ConsoleControls controls(StandardErrorIsTerminal() ? stderr : nullptr);
    ConsolePrompts prompts(stderr, stdin, QuestionPolicyFor(answerYes_));
    int status = kExitInvalidInput;
    if (PrepareControls(controls, prompts)) {
        status = RunOnSender(
            interruption, controls, prompts, port_, line_,
            [this](ConsoleDeviceSession& session) {
                // Before anything is recorded: every record of the run carries the job.
                session.SetJob(label_, Installer());
                return Acceptable(session);
            },
            [this, &controls](ConsoleDeviceSession& session, const std::function<bool()>& interrupted) {
                return Operate(session, controls, interrupted);
            });
    }
    if (status == kExitSuccess && saveFile_) {
        status = SaveAfterSuccess(*saveFile_, controls, prompts);
    }
    interruption.Finishing();
    return Report(status, controls, prompts, json_);
}

std::string DeviceCommand::Installer() const {
    if (installer_) {
        return *installer_;
    }
    const char* fromEnvironment = std::getenv(kInstallerVariable);
    return fromEnvironment != nullptr ? fromEnvironment : "";
}

int DeviceCommand::Operate(ConsoleDeviceSession& session, ConsoleControls&, const std::function<bool()>& interrupted) {
    return session.Run(operation_, interrupted);
}

int DeviceCommand::Report(int status, const ConsoleControls& controls, const ConsolePrompts& prompts, bool json) {
    PrintDeviceReport(status, controls, prompts.LastError(), json);
    return status;
}

} // namespace zeft::cli
