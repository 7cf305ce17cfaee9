#include "cli/DiffCommand.h"

#include "cli/CommandLineErrors.h"
#include "cli/ComparisonReport.h"
#include "cli/ConfigFileArgument.h"
#include "cli/ConsoleDeviceSession.h"
#include "cli/DeviceReport.h"
#include "cli/ExitStatus.h"
#include "cli/RunInterruption.h"
#include "cli/SenderRun.h"
#include "cli/Terminal.h"
#include "cli/VisibleText.h"
#include "main/RecordedSettings.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <optional>

namespace zeft::cli {

void DiffCommand::AddOptions(CLI::App& command) {
    command.add_option("files", files_, "FILE1 FILE2, or with --port the one FILE")
        ->required()
        ->expected(1, 2)
        ->type_name("FILE");
    AddLineOptions(command, port_, line_, false);
    command.add_flag("--json", json_, "print {\"equal\": ..., \"rows\": [...]} instead of text");
}

int DiffCommand::Run() {
    const bool withPort = !port_.empty();
    if (files_.size() != (withPort ? 1U : 2U)) {
        return Refuse(withPort ? "With --port, diff compares the sender with one file."
                               : "diff compares two files, or the sender (--port) with one file.");
    }
    // The files first: a file that cannot be compared stops the run before the port is touched.
    RecordedSettings file;
    if (const std::optional<std::string> refusal = ReadConfigArgument(files_.back(), file)) {
        return Refuse(*refusal);
    }
    if (!withPort) {
        RecordedSettings first;
        if (const std::optional<std::string> refusal = ReadConfigArgument(files_.front(), first)) {
            return Refuse(*refusal);
        }
        return Print(CompareSettings(first, file), files_.front(), files_.back());
    }

    RunInterruption interruption(json_);
    ConsoleControls controls(StandardErrorIsTerminal() ? stderr : nullptr);
    // A read asks nothing.
    ConsolePrompts prompts(stderr, stdin, ConsolePrompts::QuestionPolicy::AnswerNo);
    const int status = RunOnSender(
        interruption, controls, prompts, port_, line_, [](ConsoleDeviceSession&) { return true; },
        [](ConsoleDeviceSession& session, const std::function<bool()>& interrupted) {
            return session.Run(DeviceOperation::Read, interrupted);
        });
    interruption.Finishing();
    if (status != kExitSuccess) {
        // As read ends: the outcome and what was read.
        PrintDeviceReport(status, controls, prompts.LastError(), json_);
        return status;
    }
    return Print(CompareSettings(SettingsFromControls(controls), file), "the sender on " + port_, files_.back());
}

int DiffCommand::Refuse(const std::string& text) const {
    if (json_) {
        std::fputs(ErrorJson(text).c_str(), stdout);
    }
    std::fprintf(stderr, "Error: %s\n", VisibleText(text).c_str());
    return kExitInvalidInput;
}

int DiffCommand::Print(const SettingsComparison& comparison, const std::string& leftName,
                       const std::string& rightName) const {
    const std::string text = json_ ? ComparisonJson(comparison) : ComparisonText(comparison, leftName, rightName);
    std::fputs(text.c_str(), stdout);
    return comparison.equal ? kExitSuccess : kExitDifferent;
}

} // namespace zeft::cli
