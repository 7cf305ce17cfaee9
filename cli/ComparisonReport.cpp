#include "cli/ComparisonReport.h"

#include "cli/VisibleText.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <sstream>

namespace zeft::cli {
namespace {

constexpr char kDifferMark = '*';

// Columns are lined up by characters, not bytes: a file name or a value may be UTF-8.
std::size_t Width(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width - std::min(width, Width(text)), ' ');
}

} // namespace

std::string ComparisonText(const SettingsComparison& comparison, const std::string& leftName,
                           const std::string& rightName) {
    std::array<std::array<std::string, 4>, 9> cells;
    cells[0] = {"Setting", "Left", "Right", ""};
    for (std::size_t row = 0; row < comparison.rows.size(); ++row) {
        const SettingsComparisonRow& values = comparison.rows[row];
        cells[row + 1] = {values.setting, VisibleText(ShownComparisonValue(row, values.left)),
                          VisibleText(ShownComparisonValue(row, values.right)),
                          values.note.empty() ? std::string() : "(" + VisibleText(values.note) + ")"};
    }
    std::array<std::size_t, 3> widths{};
    for (const auto& line : cells) {
        for (std::size_t i = 0; i < widths.size(); ++i) {
            widths[i] = std::max(widths[i], Width(line[i]));
        }
    }
    std::ostringstream out;
    out << "Left:  " << VisibleText(leftName) << "\nRight: " << VisibleText(rightName) << '\n';
    for (std::size_t line = 0; line < cells.size(); ++line) {
        const bool differs = line > 0 && !comparison.rows[line - 1].same;
        out << (differs ? kDifferMark : ' ') << ' ' << Padded(cells[line][0], widths[0]) << "  "
            << Padded(cells[line][1], widths[1]) << "  "
            << (cells[line][3].empty() ? cells[line][2] : Padded(cells[line][2], widths[2]) + "  " + cells[line][3])
            << '\n';
    }
    const std::size_t differing = DifferingRows(comparison);
    if (differing == 0) {
        out << "The settings are the same.\n";
    } else {
        out << differing << " of " << comparison.rows.size() << " settings " << (differing == 1 ? "differs" : "differ")
            << " (marked " << kDifferMark << ").\n";
    }
    return out.str();
}

std::string ComparisonJson(const SettingsComparison& comparison, const std::vector<std::string>& warnings) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const SettingsComparisonRow& row : comparison.rows) {
        nlohmann::ordered_json entry;
        entry["setting"] = row.setting;
        entry["left"] = row.left;
        entry["right"] = row.right;
        entry["same"] = row.same;
        if (!row.note.empty()) {
            entry["note"] = row.note;
        }
        rows.push_back(entry);
    }
    nlohmann::ordered_json report;
    report["equal"] = comparison.equal;
    report["rows"] = rows;
    if (!warnings.empty()) {
        report["warnings"] = warnings;
    }
    // Bytes from a file or the line that are no UTF-8 are replaced rather than thrown on.
    return report.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + '\n';
}

} // namespace zeft::cli
