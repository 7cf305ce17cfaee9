#pragma once

#include "calc/ShapeCalculation.h"
#include "calc/TableCalculation.h"

#include <string>

namespace CLI {
class App;
}

namespace zeft::cli {

// The shape calculator's options on a command: --shape, the seven dimensions, --half and
// --inch (calc shape adds --reserve; calc chart has none).
void AddShapeDimensionOptions(CLI::App& command, ShapeOptions& options, ShapeEditTexts& texts);

// The calculators without their windows. Each prints the results as the window shows them
// (or one JSON object) on standard output, or the window's message for the first failing
// check on standard error; returns the exit status.
int RunShapeCalculation(const ShapeOptions& options, const ShapeEditTexts& texts, bool json);
int RunVolumeCalculation(const TableEditTexts& volumes, const std::string& height, bool inchUnit, bool json);
int RunHeightCalculation(const TableEditTexts& heights, bool inchUnit, bool json);

// The texts that the above print, for tests.
std::string CalculationText(const LevelSetTexts& levelSet, const std::string* volume, bool inchUnit);
std::string CalculationJson(const LevelSetTexts& levelSet, const std::string* volume, bool inchUnit);
std::string CalculationErrorJson(const std::string& message);

} // namespace zeft::cli
