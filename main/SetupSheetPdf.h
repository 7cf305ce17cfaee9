#pragma once

#include "main/SetupSheet.h"

#include <string>

namespace zeft::ui {

// The setup sheet as a PDF document on A4, one or two pages: rows of names and values,
// the reply in a monospace font, and the shape's picture (found as the calculator finds
// it) when the sheet names one. A picture that cannot be loaded is replaced by a line
// saying so; the sheet is still written.
std::string SetupSheetPdf(const SetupSheetContent& sheet);

} // namespace zeft::ui
