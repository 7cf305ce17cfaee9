#include "cli/ChartCommand.h"

#include "calc/DecimalText.h"
#include "cli/CalcCommands.h"
#include "cli/CommandLineErrors.h"
#include "cli/ExitStatus.h"
#include "cli/VisibleText.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

namespace zeft::cli {

std::string ChartText(const TankContent& content, const std::vector<DipRow>& rows, VolumeUnit unit) {
    const DipVolumes volumes{content.inchUnit(), unit};
    const DipHeaders headers = DipTableHeaders(volumes);
    std::vector<std::array<std::string, 4>> lines;
    lines.reserve(rows.size() + 1);
    lines.push_back({headers.height, headers.percent, headers.gauge, headers.volume});
    for (const DipRow& row : rows) {
        DipRowTexts texts = DipRowText(row, volumes);
        lines.push_back(
            {std::move(texts.height), std::move(texts.percent), std::move(texts.gauge), std::move(texts.volume)});
    }
    std::array<std::size_t, 4> widths{};
    for (const auto& line : lines) {
        for (std::size_t i = 0; i < widths.size(); ++i) {
            widths[i] = std::max(widths[i], line[i].size());
        }
    }
    std::string text;
    for (const auto& line : lines) {
        for (std::size_t i = 0; i < widths.size(); ++i) {
            if (i > 0) {
                text += "  ";
            }
            text.append(widths[i] - line[i].size(), ' ');
            text += line[i];
        }
        text += '\n';
    }
    text +=
        "Largest gauge error: " + GaugeErrorText(content.LargestGaugeError(), content.height(), content.inchUnit()) +
        '\n';
    return text;
}

std::string ChartJson(const TankContent& content, const std::vector<DipRow>& rows, VolumeUnit unit) {
    const VolumeUnit from = DefaultVolumeUnit(content.inchUnit());
    nlohmann::ordered_json result;
    result["unit"] = content.inchUnit() ? "inch" : "mm";
    result["volumeUnit"] = std::string(VolumeUnitWord(unit));
    result["volume"] = static_cast<double>(ConvertVolume(content.volume(), from, unit));
    const GaugeError gauge = content.LargestGaugeError();
    result["maxGaugeError"] = {{"percent", static_cast<double>(gauge.points)},
                               {"height", static_cast<double>(gauge.height)}};
    nlohmann::ordered_json table = nlohmann::ordered_json::array();
    for (const DipRow& row : rows) {
        nlohmann::ordered_json line;
        line["height"] = static_cast<double>(row.height);
        line["percent"] = static_cast<double>(row.percent);
        line["volume"] = static_cast<double>(ConvertVolume(row.volume, from, unit));
        line["gauge"] = static_cast<double>(row.gauge);
        table.push_back(std::move(line));
    }
    result["rows"] = std::move(table);
    return result.dump() + '\n';
}

int RunChartCommand(const ShapeOptions& options, const ShapeEditTexts& texts, const std::string& step,
                    ChartFormat format, std::optional<VolumeUnit> volumeUnit) {
    const TankContentCalculation calculation = CalculateTankContent(options, texts, kCommandLinePoint);
    std::string error = calculation.error;
    DipTable table;
    if (error.empty()) {
        table = MakeDipTable(*calculation.content, step, kCommandLinePoint);
        error = table.error;
    }
    if (error.empty()) {
        // Printed in every form: what cannot be computed is refused, never shown as inf or null.
        const GaugeError gauge = calculation.content->LargestGaugeError();
        if (!std::isfinite(gauge.points) || !std::isfinite(gauge.height)) {
            error = std::string(kChartBeyondRange);
        }
    }
    if (!error.empty()) {
        if (format == ChartFormat::Json) {
            std::fputs(ErrorJson(error).c_str(), stdout);
        }
        std::fprintf(stderr, "Error: %s\n", VisibleText(error).c_str());
        return kExitInvalidInput;
    }
    const TankContent& content = *calculation.content;
    const VolumeUnit unit = volumeUnit.value_or(DefaultVolumeUnit(content.inchUnit()));
    const std::string text = format == ChartFormat::Json  ? ChartJson(content, table.rows, unit)
                             : format == ChartFormat::Csv ? DipTableCsv(table.rows, {content.inchUnit(), unit})
                                                          : ChartText(content, table.rows, unit);
    std::fputs(text.c_str(), stdout);
    return kExitSuccess;
}

void ChartCommand::AddOptions(CLI::App& command) {
    AddShapeDimensionOptions(command, options_, texts_);
    command.add_option("--step", step_, "height between rows, in the dimensions' unit (default 10)");
    command.add_flag("--reserve", options_.reserve, "10% reserve: the gauge's levels start at the reserve level");
    std::vector<std::string> words;
    for (const VolumeUnit unit : kVolumeUnits) {
        words.emplace_back(VolumeUnitWord(unit));
    }
    command.add_option("--volume-unit", volumeUnit_, "litre, m3, usgal or impgal (default litre, usgal with --inch)")
        ->check(CLI::IsMember(words));
    CLI::Option* json = command.add_flag("--json", json_, "print one JSON object");
    command.add_flag("--csv", csv_, "print comma-separated values")->excludes(json);
}

int ChartCommand::Run() {
    const ChartFormat format = json_ ? ChartFormat::Json : csv_ ? ChartFormat::Csv : ChartFormat::Text;
    return RunChartCommand(options_, texts_, step_, format,
                           volumeUnit_.empty() ? std::nullopt : VolumeUnitFromWord(volumeUnit_));
}

} // namespace zeft::cli
