#pragma once

#include <string>

namespace CLI {
class App;
} // namespace CLI

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

} // namespace zeft::cli
