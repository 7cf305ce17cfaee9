#include "cli/DeviceCommand.h"

#include "cli/ConsoleCodePage.h"
#include "cli/ConsoleDeviceSession.h"
#include "cli/DeviceReport.h"
#include "cli/ExitStatus.h"
#include "cli/PortNameInput.h"
#include "cli/StopRequest.h"
#include "cli/Terminal.h"
#include "main/ConfigFile.h"
#include "main/SettingsValidator.h"

#include <CLI/CLI.hpp>

#include <cstdio>

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
    if (const std::optional<std::string> error = SaveConfigFile(PathFromCommandLine(file), controls)) {
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
}

int DeviceCommand::Run() {
    StopRequest::BlockStopSignals();
    ConsoleControls controls(StandardErrorIsTerminal() ? stderr : nullptr);
    ConsolePrompts prompts(stderr, stdin, QuestionPolicyFor(answerYes_));
    PrepareControls(controls);

    int status = kExitSuccess;
    {
        ConsoleDeviceSession session(controls, prompts);
        StopRequest stop(false, [&session] { session.WakeLoop(); });
        if (!session.Open(PortNameFromInput(port_), line_)) {
            status = kExitPortNotOpened;
        } else {
            status = session.Run(operation_, [&stop] { return stop.Requested(); });
        }
    }
    if (status == kExitSuccess && saveFile_) {
        status = SaveAfterSuccess(*saveFile_, controls, prompts);
    }
    const std::string report = json_ ? DeviceReportJson(controls, prompts.LastError()) : DeviceReportText(controls);
    if (status != kExitPortNotOpened || json_) {
        std::fputs(report.c_str(), stdout);
    }
    return status;
}

} // namespace zeft::cli
