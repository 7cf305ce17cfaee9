#pragma once

#include "main/SetupSheet.h"

#include <string>

namespace zeft {

// The setup sheet as a PDF of monospace lines, drawn without Qt: what zeftctl sheet writes.
// The same content as the program's sheet, in columns of characters; the shape's picture
// is left out. Words wrap whole, never in the middle, unless one is wider than its column.
std::string SetupSheetPlainPdf(const SetupSheetContent& sheet);

} // namespace zeft
