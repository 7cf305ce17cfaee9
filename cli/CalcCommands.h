#pragma once

#include "calc/ShapeCalculation.h"
#include "calc/TableCalculation.h"

#include <string>

namespace CLI {
class App;
}

namespace zeft::cli {

// What the calc commands share.

// The command line is not localised: numbers use a decimal point.
inline constexpr char kCommandLinePoint = '.';

// The shape calculator's options on a command: --shape, the seven dimensions, --half and
// --inch (calc shape adds --reserve; calc chart has none).
void AddShapeDimensionOptions(CLI::App& command, ShapeOptions& options, ShapeEditTexts& texts);
// The table calculators' five required options, --full and --at80 to --at20; what names
// the unit in their help ("volume", "height").
void AddTableOptions(CLI::App& command, TableEditTexts& texts, const char* what);

// Prints the results as the calculator's window shows them (or one JSON object) on
// standard output, or the window's message for the first failing check on standard
// error; returns the exit status.
int ReportCalculation(const std::string& error, const LevelSetTexts& levelSet, const std::string* volume, bool inchUnit,
                      bool json);

// The texts that the above prints, for tests.
std::string CalculationText(const LevelSetTexts& levelSet, const std::string* volume, bool inchUnit);
std::string CalculationJson(const LevelSetTexts& levelSet, const std::string* volume, bool inchUnit);

} // namespace zeft::cli
