#pragma once

#include "cli/DeviceSession.h"
#include "cli/LineOptions.h"

#include <array>
#include <optional>
#include <string>

namespace zeft::cli {

struct DeviceCommandOptions {
    std::string port;
    LineOptions line;
    bool json = false;
    std::optional<std::string> saveFile;
    bool answerYes = false;
    bool readFirst = false; // program: a Read Device before it
};

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

// read, restore and program: opens the port, runs the operation, saves when asked, and
// prints the report. Returns the exit status.
int RunDeviceCommand(ExchangeOperation operation, const DeviceCommandOptions& options, const ProgramSettings* settings);

// power: the battery test. RTS high until Enter, the given seconds (0: no limit) or
// Ctrl-C; RTS low on every way out.
int RunPowerCommand(const DeviceCommandOptions& options, int seconds);

} // namespace zeft::cli
