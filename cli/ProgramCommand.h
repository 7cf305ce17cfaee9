#pragma once

#include "cli/DeviceCommand.h"
#include "cli/ProgramEach.h"
#include "main/SettingsComparison.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zeft::cli {

// What program writes: the main window's initial values, then a configuration file by
// the Load rules, then each setting given on the command line (texts as typed).
struct ProgramSettings {
    std::optional<std::string> configFile;
    std::optional<std::string> outputType;
    std::optional<std::string> fluidType;
    std::optional<std::string> topLimit;
    std::optional<std::string> bottomLimit;
    std::array<std::optional<std::string>, 4> levels;
};

// Applies the program settings to the controls, as the user would in the main window.
// Returns the refusal of a configuration file that is no regular file; nothing is applied then.
std::optional<std::string> ApplyProgramSettings(const ProgramSettings& settings, SettingsControls& controls);

// program: Program Device, with the settings to write as options. With --dry-run it reads
// the sender instead and prints how what it holds compares with what would be written.
// With --each it programs one sender after another (cli/ProgramEach).
class ProgramCommand : public DeviceCommand {
public:
    ProgramCommand();

private:
    void AddOwnOptions(CLI::App& command) override;
    bool PrepareControls(ConsoleControls& controls, ConsolePrompts& prompts) override;
    bool Acceptable(ConsoleDeviceSession& session) override;
    int Operate(ConsoleDeviceSession& session, ConsoleControls& controls,
                const std::function<bool()>& interrupted) override;
    int Report(int status, const ConsoleControls& controls, const ConsolePrompts& prompts, bool json) override;

    ProgramSettings settings_;
    bool readFirst_ = false;
    ConsolePrompts* prompts_ = nullptr; // the run's, from PrepareControls
    bool dryRun_ = false;
    std::optional<SettingsComparison> comparison_;
    bool each_ = false;
    EachOptions eachOptions_;
    bool eachRan_ = false; // the run printed its own report
    // A dry run's validation: the top limit as it would go out, the console's boxes, and
    // what the report adds under the comparison.
    std::string topText_;
    std::vector<std::string> warnings_;
};

} // namespace zeft::cli
