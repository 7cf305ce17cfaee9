#include "cli/HeightCommand.h"

#include "cli/CalcCommands.h"

#include <CLI/CLI.hpp>

namespace zeft::cli {

void HeightCommand::AddOptions(CLI::App& command) {
    AddTableOptions(command, heights_, "height");
    command.add_flag("--inch", inchUnit_, "heights in inches");
    command.add_flag("--json", json_, "print one JSON object");
}

int HeightCommand::Run() {
    const TableCalculation calculation = CalculateByHeight(heights_, inchUnit_, kCommandLinePoint);
    return ReportCalculation(calculation.error, calculation.levelSet, nullptr, inchUnit_, json_);
}

} // namespace zeft::cli
