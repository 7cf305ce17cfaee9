#include "cli/CalcCommands.h"

#include "calc/LevelSet.h"
#include "cli/ExitStatus.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <optional>
#include <sstream>

namespace zeft::cli {
namespace {

// The command line is not localised: numbers use a decimal point.
constexpr char kDecimalSeparator = '.';

constexpr const char* kLevelNames[4] = {"Level A", "Level B", "Level C", "Level D"};

int Report(const std::string& error, const LevelSetTexts& levelSet, const std::string* volume, bool inchUnit,
           bool json) {
    if (!error.empty()) {
        if (json) {
            std::fputs(CalculationErrorJson(error).c_str(), stdout);
        }
        std::fprintf(stderr, "Error: %s\n", error.c_str());
        return kExitInvalidInput;
    }
    const std::string text =
        json ? CalculationJson(levelSet, volume, inchUnit) : CalculationText(levelSet, volume, inchUnit);
    std::fputs(text.c_str(), stdout);
    return kExitSuccess;
}

} // namespace

std::string CalculationText(const LevelSetTexts& levelSet, const std::string* volume, bool inchUnit) {
    std::ostringstream out;
    for (std::size_t i = 0; i < levelSet.levels.size(); ++i) {
        out << kLevelNames[i] << " = " << levelSet.levels[i] << '\n';
    }
    out << "Bottom Limit = " << levelSet.bottomLimit << (inchUnit ? " in" : " mm") << '\n';
    const std::optional<std::string> millimetres =
        BottomLimitMillimetreText(levelSet.bottomLimit, inchUnit, kDecimalSeparator);
    if (millimetres) {
        out << "Bottom Limit (mm) = " << *millimetres << '\n';
    }
    if (volume != nullptr) {
        out << (inchUnit ? "Volume in US Gallons = " : "Volume in Litres = ") << *volume << '\n';
    }
    return out.str();
}

std::string CalculationJson(const LevelSetTexts& levelSet, const std::string* volume, bool inchUnit) {
    nlohmann::ordered_json result;
    result["levels"] = levelSet.levels;
    result["bottomLimit"] = levelSet.bottomLimit;
    const std::optional<std::string> millimetres =
        BottomLimitMillimetreText(levelSet.bottomLimit, inchUnit, kDecimalSeparator);
    result["bottomLimitMm"] = millimetres ? nlohmann::ordered_json(std::stoll(*millimetres)) : nullptr;
    if (volume != nullptr) {
        result["volume"] = *volume;
    }
    return result.dump() + '\n';
}

std::string CalculationErrorJson(const std::string& message) {
    nlohmann::ordered_json result;
    result["error"] = message;
    return result.dump() + '\n';
}

int RunShapeCalculation(const ShapeOptions& options, const ShapeEditTexts& texts, bool json) {
    const ShapeCalculation calculation = CalculateShape(options, texts, kDecimalSeparator);
    return Report(calculation.error, calculation.levelSet, &calculation.volume, options.inchUnit, json);
}

int RunVolumeCalculation(const TableEditTexts& volumes, const std::string& height, bool inchUnit, bool json) {
    const TableCalculation calculation = CalculateByVolume(volumes, height, inchUnit, kDecimalSeparator);
    return Report(calculation.error, calculation.levelSet, nullptr, inchUnit, json);
}

int RunHeightCalculation(const TableEditTexts& heights, bool inchUnit, bool json) {
    const TableCalculation calculation = CalculateByHeight(heights, inchUnit, kDecimalSeparator);
    return Report(calculation.error, calculation.levelSet, nullptr, inchUnit, json);
}

void AddShapeDimensionOptions(CLI::App& command, ShapeOptions& options, ShapeEditTexts& texts) {
    command.add_option("--shape", options.shape, "shape number, 1 to " + std::to_string(kShapeCount))
        ->required()
        ->check(CLI::Range(1, kShapeCount));
    // The sphere reads no X; the calculator says so when a shape needs it.
    command.add_option("--x", texts.x, "dimension X");
    command.add_option("--h", texts.h, "dimension H")->required();
    command.add_option("--w", texts.w, "dimension W");
    command.add_option("--y", texts.y, "dimension Y");
    command.add_option("--z", texts.z, "dimension Z");
    command.add_option("--x1", texts.x1, "dimension X1");
    command.add_option("--x2", texts.x2, "dimension X2");
    command.add_flag("--half", options.halfTank, "half tank");
    command.add_flag("--inch", options.inchUnit, "dimensions in inches");
}

} // namespace zeft::cli
