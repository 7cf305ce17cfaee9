#include "calc/MeasuredTable.h"

#include "calc/DecimalText.h"
#include "calc/DipTable.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

namespace zeft {
namespace {

constexpr std::uintmax_t kMaxFileBytes = 16 * 1024 * 1024;

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '"')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '"' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

std::vector<std::string_view> Cells(std::string_view line, char separator) {
    std::vector<std::string_view> cells;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == separator) {
            cells.push_back(Trim(line.substr(start, i - start)));
            start = i + 1;
        }
    }
    return cells;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// A number as the calculators read them, with a point, or also a comma when the cells are
// not separated by commas.
std::optional<long double> Number(std::string_view cell, char separator) {
    if (const auto value = DecimalFromText(cell, '.')) {
        return value;
    }
    return separator == ',' ? std::nullopt : DecimalFromText(cell, ',');
}

std::string RowText(int row) {
    return "Row " + std::to_string(row) + ": ";
}

} // namespace

MeasuredTable ReadMeasuredTable(std::string_view text) {
    MeasuredTable table;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3); // a spreadsheet's byte order mark
    }
    char separator = ',';
    std::size_t heightColumn = 0;
    std::size_t volumeColumn = 1;
    std::size_t columns = 0;
    bool firstLine = true;
    int row = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++row;
        if (Trim(line).empty()) {
            continue;
        }
        if (firstLine) {
            firstLine = false;
            separator = line.find('\t') != std::string_view::npos  ? '\t'
                        : line.find(';') != std::string_view::npos ? ';'
                                                                   : ',';
            const std::vector<std::string_view> cells = Cells(line, separator);
            columns = cells.size();
            const auto named = [&](const char* name) {
                for (std::size_t i = 0; i < cells.size(); ++i) {
                    if (Lower(cells[i]) == name) {
                        return std::optional(i);
                    }
                }
                return std::optional<std::size_t>();
            };
            const auto height = named("height");
            const auto volume = named("volume");
            if (height && volume) {
                heightColumn = *height;
                volumeColumn = *volume;
                continue;
            }
            if (!cells.empty() && !Number(cells[0], separator)) {
                table.error = RowText(row) + "the first line must name the columns \"height\" and \"volume\".";
                return table;
            }
        }
        const std::vector<std::string_view> cells = Cells(line, separator);
        // More cells than the first line: most likely decimal commas between commas, which
        // would silently read 40,5 as 40.
        if (cells.size() > columns) {
            table.error = RowText(row) + "more cells than the first line has (a decimal comma needs semicolons "
                                         "between the cells).";
            return table;
        }
        MeasuredPoint point;
        point.row = row;
        const std::pair<std::size_t, long double*> wanted[] = {{heightColumn, &point.height},
                                                               {volumeColumn, &point.volume}};
        for (const auto& [column, value] : wanted) {
            const char* name = value == &point.height ? "height" : "volume";
            if (column >= cells.size() || cells[column].empty()) {
                table.error = RowText(row) + "there is no " + name + ".";
                return table;
            }
            const auto number = Number(cells[column], separator);
            if (!number) {
                table.error = RowText(row) + "the " + name + " \"" + std::string(cells[column]) + "\" is not a number.";
                return table;
            }
            if (*number < 0) {
                table.error = RowText(row) + "the " + name + " " + std::string(cells[column]) + " is negative.";
                return table;
            }
            *value = *number;
        }
        table.points.push_back(point);
    }
    if (table.points.size() < 3) {
        table.error = "The table needs at least three rows; it has " + std::to_string(table.points.size()) + ".";
        return table;
    }
    std::stable_sort(table.points.begin(), table.points.end(),
                     [](const MeasuredPoint& a, const MeasuredPoint& b) { return a.height < b.height; });
    for (std::size_t i = 1; i < table.points.size(); ++i) {
        const MeasuredPoint& lower = table.points[i - 1];
        const MeasuredPoint& point = table.points[i];
        if (point.height == lower.height) {
            const auto [first, second] = std::minmax(lower.row, point.row);
            table.error = RowText(second) + "the height " + ShortestNumberText(point.height) + " is already in row " +
                          std::to_string(first) + ".";
            table.points.clear();
            return table;
        }
        if (point.volume < lower.volume) {
            table.error = RowText(point.row) + "the volume " + ShortestNumberText(point.volume) + " is less than the " +
                          ShortestNumberText(lower.volume) + " of row " + std::to_string(lower.row) +
                          ", which is lower down.";
            table.points.clear();
            return table;
        }
    }
    return table;
}

TableFileText ReadTableFileText(const std::string& path) {
    TableFileText file;
    std::error_code error;
    // A FIFO or a device could block for ever or never end: only regular files are read.
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) {
        file.error = "The file " + path + " does not exist.";
        return file;
    }
    if (!std::filesystem::is_regular_file(status)) {
        file.error = "The file " + path + " is not a regular file.";
        return file;
    }
    if (std::filesystem::file_size(path, error) > kMaxFileBytes || error) {
        file.error = "The file " + path + " is too large for a measured table.";
        return file;
    }
    std::ifstream stream(path, std::ios::binary);
    if (!stream) {
        file.error = "The file " + path + " cannot be read: " + std::strerror(errno) + ".";
        return file;
    }
    file.text.assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    return file;
}

MeasuredTable ReadMeasuredTableFile(const std::string& path) {
    TableFileText file = ReadTableFileText(path);
    if (!file.error.empty()) {
        MeasuredTable table;
        table.error = std::move(file.error);
        return table;
    }
    return ReadMeasuredTable(file.text);
}

} // namespace zeft
