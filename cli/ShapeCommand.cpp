#include "cli/ShapeCommand.h"

#include "cli/CalcCommands.h"

#include <CLI/CLI.hpp>

namespace zeft::cli {

void ShapeCommand::AddOptions(CLI::App& command) {
    AddShapeDimensionOptions(command, options_, texts_);
    command.add_flag("--reserve", options_.reserve, "10% reserve");
    command.add_flag("--json", json_, "print one JSON object");
}

int ShapeCommand::Run() {
    const ShapeCalculation calculation = CalculateShape(options_, texts_, kCommandLinePoint);
    return ReportCalculation(calculation.error, calculation.levelSet, &calculation.volume, options_.inchUnit, json_);
}

} // namespace zeft::cli
