#pragma once

#include "cli/Command.h"

#include <string>

namespace zeft::cli {

// calc table: the options of the measured-table calculator.
struct MeasuredTableOptions {
    std::string csvFile;    // "-" for standard input
    std::string height;     // empty: the greatest height in the table
    std::string volumeUnit; // the unit of the table's volumes, as a --volume-unit word; empty: the default
    bool inchUnit = false;
    bool reserve = false;
    bool json = false;
};

void AddMeasuredTableOptions(CLI::App& command, MeasuredTableOptions& options);

// Reads the table, computes the levels as the "Measured Table" window does and prints them
// (or one JSON object) on standard output, or the refusal on standard error; returns the
// exit status.
int RunMeasuredTableCommand(const MeasuredTableOptions& options);

// calc table: a measured table of heights and volumes to the four levels.
class TableCommand : public Command {
public:
    TableCommand() : Command("calc table", "levels from a measured table of heights and volumes") {}

    void AddOptions(CLI::App& command) override { AddMeasuredTableOptions(command, options_); }
    int Run() override { return RunMeasuredTableCommand(options_); }

private:
    MeasuredTableOptions options_;
};

} // namespace zeft::cli
