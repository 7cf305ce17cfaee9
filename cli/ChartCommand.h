#pragma once

#include "calc/DipTable.h"
#include "calc/ShapeCalculation.h"
#include "cli/Command.h"

#include <string>

namespace zeft::cli {

enum class ChartFormat { Text, Json, Csv };

// calc chart: the dip table of a tank from its shape and dimensions, checked as calc shape
// checks them. Prints the table on standard output, or the first failing check's message
// on standard error; returns the exit status.
int RunChartCommand(const ShapeOptions& options, const ShapeEditTexts& texts, const std::string& step,
                    ChartFormat format);

// calc chart: its options are calc shape's (no reserve) plus the step and the output form.
class ChartCommand : public Command {
public:
    ChartCommand() : Command("calc chart", "the dip table: the tank's content at each height") {}

    void AddOptions(CLI::App& command) override;
    int Run() override;

private:
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
