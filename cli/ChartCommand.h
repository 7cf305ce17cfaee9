#pragma once

#include "calc/DipTable.h"
#include "calc/ShapeCalculation.h"

#include <string>

namespace CLI {
class App;
} // namespace CLI

namespace zeft::cli {

enum class ChartFormat { Text, Json, Csv };

// calc chart: the dip table of a tank from its shape and dimensions, checked as calc shape
// checks them. Prints the table on standard output, or the first failing check's message
// on standard error; returns the exit status.
int RunChartCommand(const ShapeOptions& options, const ShapeEditTexts& texts, const std::string& step,
                    ChartFormat format);

// The "calc chart" subcommand: its options, as calc shape's (no reserve) plus the step and
// the output form.
class ChartCommand {
public:
    explicit ChartCommand(CLI::App& calc);

    bool Chosen() const;
    int Run() const;

private:
    CLI::App* command_ = nullptr;
    ShapeOptions options_;
    ShapeEditTexts texts_;
    std::string step_{kDefaultDipStep};
    bool json_ = false;
    bool csv_ = false;
};

// The texts that the above prints, for tests.
std::string ChartText(const TankContent& content, const std::vector<DipRow>& rows);
std::string ChartJson(const TankContent& content, const std::vector<DipRow>& rows);

} // namespace zeft::cli
