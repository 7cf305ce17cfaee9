#include "cli/CalcCommands.h"

#include "calc/LevelSet.h"
#include "cli/CommandLineErrors.h"
#include "cli/ExitStatus.h"
#include "cli/WholeNumberOption.h"
#include "main/SettingNames.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <optional>
#include <sstream>

namespace zeft::cli {

std::string CalculationText(const LevelSetTexts& levelSet, const std::string* volume, bool inchUnit) {
    std::ostringstream out;
    for (std::size_t i = 0; i < levelSet.levels.size(); ++i) {
        const auto level = static_cast<std::size_t>(SettingsEdit::LevelA) + i;
        out << kSettingNames[kFirstEditSetting + level].key << " = " << levelSet.levels[i] << '\n';
    }
    out << "Bottom Limit = " << levelSet.bottomLimit << (inchUnit ? " in" : " mm") << '\n';
    const std::optional<std::string> millimetres =
        BottomLimitMillimetreText(levelSet.bottomLimit, inchUnit, kCommandLinePoint);
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
        BottomLimitMillimetreText(levelSet.bottomLimit, inchUnit, kCommandLinePoint);
    result["bottomLimitMm"] = millimetres ? nlohmann::ordered_json(std::stoll(*millimetres)) : nullptr;
    if (volume != nullptr) {
        result["volume"] = *volume;
    }
    return result.dump() + '\n';
}

int ReportCalculation(const std::string& error, const LevelSetTexts& levelSet, const std::string* volume, bool inchUnit,
                      bool json) {
    if (!error.empty()) {
        if (json) {
            std::fputs(ErrorJson(error).c_str(), stdout);
        }
        std::fprintf(stderr, "Error: %s\n", error.c_str());
        return kExitInvalidInput;
    }
    const std::string text =
        json ? CalculationJson(levelSet, volume, inchUnit) : CalculationText(levelSet, volume, inchUnit);
    std::fputs(text.c_str(), stdout);
    return kExitSuccess;
}

void AddShapeDimensionOptions(CLI::App& command, ShapeOptions& options, ShapeEditTexts& texts) {
    TakeWholeNumber(
        *command.add_option("--shape", options.shape, "shape number, 1 to " + std::to_string(kShapeCount))->required(),
        1, kShapeCount);
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

void AddTableOptions(CLI::App& command, TableEditTexts& texts, const char* what) {
    const std::string unit = what;
    command.add_option("--full", texts[0], unit + " when full")->required();
    command.add_option("--at80", texts[1], unit + " at 80 %")->required();
    command.add_option("--at60", texts[2], unit + " at 60 %")->required();
    command.add_option("--at40", texts[3], unit + " at 40 %")->required();
    command.add_option("--at20", texts[4], unit + " at 20 %")->required();
}

} // namespace zeft::cli
