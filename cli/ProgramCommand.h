#pragma once

#include "cli/DeviceCommand.h"

#include <array>
#include <optional>
#include <string>

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
void ApplyProgramSettings(const ProgramSettings& settings, SettingsControls& controls);

// program: Program Device, with the settings to write as options.
class ProgramCommand : public DeviceCommand {
public:
    ProgramCommand();

private:
    void AddOwnOptions(CLI::App& command) override;
    void PrepareControls(ConsoleControls& controls) override;
    bool Acceptable(ConsoleDeviceSession& session) override;
    int BeforeOperation(ConsoleDeviceSession& session, ConsoleControls& controls,
                        const std::function<bool()>& interrupted) override;

    ProgramSettings settings_;
    bool readFirst_ = false;
};

} // namespace zeft::cli
