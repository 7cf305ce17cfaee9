#include "cli/TableCommand.h"

#include "cli/CommandLineErrors.h"

#include "calc/DecimalText.h"
#include "calc/DipTable.h"
#include "calc/MeasuredTableCalculation.h"
#include "calc/VolumeUnit.h"
#include "cli/CalcCommands.h"
#include "cli/ExitStatus.h"
#include "cli/VisibleText.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <iostream>
#include <sstream>
#include <vector>

namespace zeft::cli {
namespace {

// The command line is not localised: numbers use a decimal point.
constexpr char kPoint = '.';

MeasuredTable ReadTable(const std::string& file) {
    if (file != "-") {
        return ReadMeasuredTableFile(file);
    }
    TableFileText input = ReadTableStreamText(std::cin, "standard input");
    if (!input.error.empty()) {
        MeasuredTable table;
        table.error = std::move(input.error);
        return table;
    }
    return ReadMeasuredTable(input.text);
}

} // namespace

void AddMeasuredTableOptions(CLI::App& command, MeasuredTableOptions& options) {
    command.add_option("--csv", options.csvFile, "the table: a CSV file with height and volume columns, - for stdin")
        ->required()
        ->type_name("FILE");
    command.add_option("--height", options.height, "tank height H (default: the greatest height in the table)");
    command.add_flag("--inch", options.inchUnit, "heights in inches");
    command.add_flag("--reserve", options.reserve, "10% reserve");
    std::vector<std::string> words;
    for (const VolumeUnit unit : kVolumeUnits) {
        words.emplace_back(VolumeUnitWord(unit));
    }
    command.add_option("--volume-unit", options.volumeUnit, "unit of the table's volumes: litre, m3, usgal or impgal")
        ->check(CLI::IsMember(words));
    command.add_flag("--json", options.json, "print one JSON object");
}

int RunMeasuredTableCommand(const MeasuredTableOptions& options) {
    const MeasuredTableCalculation result = CalculateFromMeasuredTable(
        {ReadTable(options.csvFile), options.height, options.inchUnit, options.reserve}, kPoint);
    if (!result.ok()) {
        if (options.json) {
            std::fputs(ErrorJson(result.error).c_str(), stdout);
        }
        std::fprintf(stderr, "Error: %s\n", VisibleText(result.error).c_str());
        return kExitInvalidInput;
    }
    const VolumeUnit unit = VolumeUnitFromWord(options.volumeUnit).value_or(DefaultVolumeUnit(options.inchUnit));
    std::string text;
    if (options.json) {
        nlohmann::ordered_json json =
            nlohmann::ordered_json::parse(CalculationJson(result.levelSet, nullptr, options.inchUnit));
        json["volume"] = static_cast<double>(result.volume);
        json["volumeUnit"] = std::string(VolumeUnitWord(unit));
        json["maxGaugeError"] =
            result.gaugeError ? nlohmann::ordered_json{{"percent", static_cast<double>(result.gaugeError->points)},
                                                       {"height", static_cast<double>(result.gaugeError->height)}}
                              : nlohmann::ordered_json(nullptr);
        text = json.dump() + '\n';
    } else {
        text = CalculationText(result.levelSet, nullptr, options.inchUnit);
        text += "Volume at H = " + ShownVolumeText(result.volume, unit, kPoint) + " " +
                std::string(VolumeUnitName(unit)) + '\n';
        text +=
            "Largest gauge error: " +
            (result.gaugeError ? GaugeErrorText(*result.gaugeError, result.top, options.inchUnit) : std::string("-")) +
            '\n';
    }
    std::fputs(text.c_str(), stdout);
    return kExitSuccess;
}

} // namespace zeft::cli
