#include "cli/DeviceCommands.h"

#include "cli/ConsoleCodePage.h"
#include "cli/DeviceReport.h"
#include "cli/ExitStatus.h"
#include "cli/HistoryCommand.h"
#include "cli/StopRequest.h"
#include "cli/Terminal.h"
#include "main/ConfigFile.h"
#include "main/NumberText.h"
#include "main/SaveTarget.h"
#include "main/SenderLink.h"
#include "main/SenderSettings.h"
#include "main/SettingsValidator.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace zeft::cli {
namespace {

// A code given on the command line is read like a code in a file: by the number rule,
// with anything unreadable or unknown leaving the list without a selection.
constexpr std::int32_t kUnreadableCode = -1;

ConsolePrompts::QuestionPolicy QuestionPolicyFor(const DeviceCommandOptions& options) {
    if (options.answerYes) {
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

void ApplyProgramSettings(const ProgramSettings& settings, SettingsControls& controls) {
    if (settings.configFile) {
        LoadConfigFile(PathFromCommandLine(*settings.configFile), controls);
    }
    if (settings.outputType) {
        controls.SetOutputTypeIndex(OutputTypeIndexFromCode(IntegerFromText(*settings.outputType, kUnreadableCode)));
    }
    if (settings.fluidType) {
        controls.SetFluidTypeIndex(FluidTypeIndexFromCode(IntegerFromText(*settings.fluidType, kUnreadableCode)));
    }
    const std::array<std::pair<const std::optional<std::string>*, SettingsEdit>, 6> edits = {{
        {&settings.topLimit, SettingsEdit::TopLimit},
        {&settings.bottomLimit, SettingsEdit::BottomLimit},
        {&settings.levels[0], SettingsEdit::LevelA},
        {&settings.levels[1], SettingsEdit::LevelB},
        {&settings.levels[2], SettingsEdit::LevelC},
        {&settings.levels[3], SettingsEdit::LevelD},
    }};
    for (const auto& [text, edit] : edits) {
        if (*text) {
            controls.SetEditText(edit, **text);
        }
    }
}

int RunDeviceCommand(ExchangeOperation operation, const DeviceCommandOptions& options,
                     const ProgramSettings* settings) {
    StopRequest::BlockStopSignals();
    ConsoleControls controls(StandardErrorIsTerminal() ? stderr : nullptr);
    ConsolePrompts prompts(stderr, stdin, QuestionPolicyFor(options));
    if (settings != nullptr) {
        ApplyProgramSettings(*settings, controls);
    }

    int status = kExitSuccess;
    {
        DeviceSession session(controls, prompts);
        StopRequest stop(false, [&session] { session.WakeLoop(); });
        if (!session.Open(options.port, options.line)) {
            status = kExitPortNotOpened;
        } else {
            const auto interrupted = [&stop] { return stop.Requested(); };
            if (options.readFirst && operation == ExchangeOperation::ProgramDevice) {
                status = ReadBeforeProgram(session, controls, interrupted);
            }
            if (status == kExitSuccess) {
                status = session.Run(operation, interrupted);
            }
        }
    }
    if (status == kExitSuccess && options.saveFile) {
        status = SaveAfterSuccess(*options.saveFile, controls, prompts);
    }
    const std::string report =
        options.json ? DeviceReportJson(controls, prompts.LastError()) : DeviceReportText(controls);
    if (status != kExitPortNotOpened || options.json) {
        std::fputs(report.c_str(), stdout);
    }
    return status;
}

int RunPowerCommand(const DeviceCommandOptions& options, int seconds) {
    StopRequest::BlockStopSignals();
    ConsoleControls controls;
    ConsolePrompts prompts(stderr, stdin, ConsolePrompts::QuestionPolicy::AnswerNo);
    DeviceSession session(controls, prompts);
    // Enter ends the test on a terminal; without a time limit the end of a piped input
    // does too, so that a script never leaves the interface powered for ever.
    const bool watchInput = StandardInputIsTerminal() || seconds == 0;
    StopRequest stop(watchInput, [&session] { session.WakeLoop(); });
    if (!session.Open(options.port, options.line)) {
        return kExitPortNotOpened;
    }
    if (!session.SetPower(true)) {
        prompts.ShowError(kCannotSwitchRtsText);
        return kExitOperationFailed;
    }
    std::printf("Power is ON\n");
    std::fflush(stdout);
    const std::chrono::milliseconds limit = seconds > 0 ? std::chrono::seconds(seconds) : std::chrono::hours(24 * 365);
    session.RunUntil([&stop] { return stop.Requested(); }, limit);
    if (!session.SetPower(false)) {
        prompts.ShowError(kCannotSwitchRtsText);
        return kExitOperationFailed;
    }
    std::printf("Power is OFF\n");
    return kExitSuccess;
}

} // namespace zeft::cli
