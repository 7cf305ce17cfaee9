#pragma once

#include "calc/DipTable.h"
#include "calc/ShapeCalculation.h"
#include "cli/Command.h"

#include <optional>
#include <string>

namespace zeft::cli {

enum class ChartFormat { Text, Json, Csv };

// calc chart: the dip table of a tank from its shape and dimensions, checked as calc shape
// checks them, with what the gauge reads at each height and where it is off the most.
// Prints the table on standard output, or the first failing check's message on standard
// error; returns the exit status. volumeUnit: none for the dimensions' own.
int RunChartCommand(const ShapeOptions& options, const ShapeEditTexts& texts, const std::string& step,
                    ChartFormat format, std::optional<VolumeUnit> volumeUnit = std::nullopt);

// calc chart: its options are calc shape's plus the step, the volume unit and the output
// form.
class ChartCommand : public Command {
public:
    ChartCommand() : Command("calc chart", "the dip table: the tank's content at each height") {}

    void AddOptions(CLI::App& command) override;
    int Run() override;

private:
    ShapeOptions options_;
    ShapeEditTexts texts_;
    std::string step_{kDefaultDipStep};
    std::string volumeUnit_;
    bool json_ = false;
    bool csv_ = false;
};

// The texts that the above prints, for tests.
std::string ChartText(const TankContent& content, const std::vector<DipRow>& rows, VolumeUnit unit);
std::string ChartJson(const TankContent& content, const std::vector<DipRow>& rows, VolumeUnit unit);

} // namespace zeft::cli
