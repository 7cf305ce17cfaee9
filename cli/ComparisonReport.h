#pragma once

#include "main/SettingsComparison.h"

#include <string>
#include <vector>

namespace zeft::cli {

// A comparison as diff and program --dry-run print it: which side is which, an aligned
// table of the eight settings with "*" before each row that differs and a row's note in
// brackets after it, and how many differ.
// leftName and rightName say what each side is ("the sender on COM3", a file's name).
std::string ComparisonText(const SettingsComparison& comparison, const std::string& leftName,
                           const std::string& rightName);

// {"equal": bool, "rows": [{"setting", "left", "right", "same", "note"}], "warnings": [...]}:
// always eight rows, in the window's order, values as a file writes them (a list's code, -1
// for no selection); "note" only on a row that has one, "warnings" (texts also shown on
// standard error) only when there are any.
std::string ComparisonJson(const SettingsComparison& comparison, const std::vector<std::string>& warnings = {});

} // namespace zeft::cli
