#pragma once

#include "calc/ShapeCalculation.h"
#include "calc/TableCalculation.h"

#include <string>

namespace zeft::cli {

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
