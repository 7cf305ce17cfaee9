#include "cli/ProgramCommand.h"

#include "base/NumberText.h"
#include "cli/ComparisonReport.h"
#include "cli/ConfigFileArgument.h"
#include "cli/ConsoleDeviceSession.h"
#include "cli/ExitStatus.h"
#include "main/JobSettings.h"
#include "main/RecordedSettings.h"
#include "main/SenderSettings.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <utility>

namespace zeft::cli {
namespace {

// A code given on the command line is read like a code in a file: by the number rule,
// with anything unreadable or unknown leaving the list without a selection.
constexpr std::int32_t kUnreadableCode = -1;

// The validation of a dry run: nothing is sent, so the top-limit question is not asked but
// noted (and answered Yes); the boxes go to the console as ever.
class DryRunPrompts : public Prompts {
public:
    explicit DryRunPrompts(Prompts& console) : console_(console) {}

    void ShowError(const std::string& text) override { console_.ShowError(text); }
    void ShowWarning(const std::string& text) override { console_.ShowWarning(text); }
    void ShowWarningWithDetail(const std::string& text, const std::string& detail) override {
        console_.ShowWarningWithDetail(text, detail);
    }
    ConfirmAnswer Confirm(const std::string&) override {
        asked_ = true;
        return ConfirmAnswer::Yes;
    }
    void ShowApplicationError(const std::string& text) override { console_.ShowApplicationError(text); }

    bool Asked() const { return asked_; }

private:
    Prompts& console_;
    bool asked_ = false;
};

} // namespace

std::optional<std::string> ApplyProgramSettings(const ProgramSettings& settings, SettingsControls& controls) {
    if (settings.configFile) {
        if (std::optional<std::string> refusal = LoadConfigArgument(*settings.configFile, controls)) {
            return refusal;
        }
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
    return std::nullopt;
}

ProgramCommand::ProgramCommand()
    : DeviceCommand("program", "Program Device: write the settings into the sender", DeviceOperation::Program) {}

void ProgramCommand::AddOwnOptions(CLI::App& command) {
    struct TextOption {
        std::optional<std::string>* target;
        const char* name;
        const char* help;
    };
    const TextOption options[] = {
        {&settings_.configFile, "--config", "start from the settings of this .zcf file"},
        {&settings_.outputType, "--output-type", "output type code: 0, 1, 2 or 4"},
        {&settings_.fluidType, "--fluid", "fluid type code: 0 to 3"},
        {&settings_.topLimit, "--top", "top limit in millimetres, as typed"},
        {&settings_.bottomLimit, "--bottom", "bottom limit in millimetres, as typed"},
        {&settings_.levels[0], "--level-a", "level A in percent, as typed"},
        {&settings_.levels[1], "--level-b", "level B in percent, as typed"},
        {&settings_.levels[2], "--level-c", "level C in percent, as typed"},
        {&settings_.levels[3], "--level-d", "level D in percent, as typed"},
    };
    for (const TextOption& option : options) {
        CLI::Option* added = command.add_option_function<std::string>(
            option.name, [target = option.target](const std::string& text) { *target = text; }, option.help);
        if (option.target == &settings_.configFile) {
            added->type_name("FILE"); // the completion offers file names for it
        }
    }
    command.add_flag("--read-first", readFirst_,
                     "read the sender first, so the history and the sheet hold what it held; a failed read stops");
    command
        .add_flag("--dry-run", dryRun_,
                  "read the sender and show what would change, without programming it (exit status 4: something would)")
        ->excludes("--save");
    CLI::Option* each = command.add_flag(
        "--each", each_, "program one sender after another, each checked and counted, until stopped or --count");
    each->excludes("--save")->excludes("--dry-run")->excludes("--read-first");
    command.add_option("--count", eachOptions_.count, "with --each: end after this many senders")
        ->check(CLI::PositiveNumber)
        ->needs(each);
}

bool ProgramCommand::PrepareControls(ConsoleControls& controls, ConsolePrompts& prompts) {
    prompts_ = &prompts;
    if (const std::optional<std::string> refusal = ApplyProgramSettings(settings_, controls)) {
        prompts.ShowError(*refusal);
        return false;
    }
    topText_ = controls.EditText(SettingsEdit::TopLimit);
    return true;
}

// As the window: the settings are checked before the port is touched. A dry run asks
// nothing: the top-limit question becomes a warning beside the comparison.
bool ProgramCommand::Acceptable(ConsoleDeviceSession& session) {
    if (!dryRun_) {
        return session.ProgramSettingsAcceptable();
    }
    DryRunPrompts validation(*prompts_);
    const bool acceptable = session.ProgramSettingsAcceptable(validation);
    if (acceptable && validation.Asked()) {
        warnings_.push_back("The top limit should be 10mm except where tank sender spacer is used; program would set "
                            "it to " +
                            topText_ + "mm.");
        prompts_->ShowWarning(warnings_.back());
    }
    return acceptable;
}

// --read-first: a Read Device before the program, so that the history holds what the sender
// held; the program goes ahead only after a successful read. --dry-run: that read alone,
// compared with what would have been written.
int ProgramCommand::Operate(ConsoleDeviceSession& session, ConsoleControls& controls,
                            const std::function<bool()>& interrupted) {
    if (each_) {
        eachRan_ = true;
        eachOptions_.json = Json();
        eachOptions_.label = Label();
        return ProgramEach(session, controls, eachOptions_, interrupted);
    }
    if (!readFirst_ && !dryRun_) {
        return DeviceCommand::Operate(session, controls, interrupted);
    }
    RecordedSettings held;
    const int status = session.ReadAside(interrupted, held);
    if (status != kExitSuccess || interrupted()) {
        if (status == kExitOperationFailed && !dryRun_ && prompts_ != nullptr) {
            // After the read's own message: the one that says what it means for the program.
            prompts_->ShowError(kReadFirstFailed);
        }
        return status;
    }
    if (dryRun_) {
        comparison_ = CompareSettings(held, SettingsFromControls(controls));
        return status;
    }
    return DeviceCommand::Operate(session, controls, interrupted);
}

int ProgramCommand::Report(int status, const ConsoleControls& controls, const ConsolePrompts& prompts, bool json) {
    if (eachRan_) {
        return status;
    }
    if (status != kExitSuccess || !comparison_) {
        return DeviceCommand::Report(status, controls, prompts, json);
    }
    std::fputs(
        json ? ComparisonJson(*comparison_, warnings_).c_str()
             : ComparisonText(*comparison_, "the sender on " + Port(), "the settings program would write").c_str(),
        stdout);
    return comparison_->equal ? kExitSuccess : kExitDifferent;
}

} // namespace zeft::cli
