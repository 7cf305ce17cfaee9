#include "cli/VolumeCommand.h"

#include "cli/CalcCommands.h"

#include <CLI/CLI.hpp>

namespace zeft::cli {

void VolumeCommand::AddOptions(CLI::App& command) {
    AddTableOptions(command, volumes_, "volume");
    command.add_option("--height", height_, "tank height H")->required();
    command.add_flag("--inch", inchUnit_, "height in inches");
    command.add_flag("--json", json_, "print one JSON object");
}

int VolumeCommand::Run() {
    const TableCalculation calculation = CalculateByVolume(volumes_, height_, inchUnit_, kCommandLinePoint);
    return ReportCalculation(calculation.error, calculation.levelSet, nullptr, inchUnit_, json_);
}

} // namespace zeft::cli
