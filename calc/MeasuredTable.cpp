#include "calc/MeasuredTable.h"

#include "calc/DecimalText.h"
#include "calc/DipTable.h"
#include "seams/TextTranslation.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <system_error>

namespace zeft {
namespace {

// Words a header may use for the two columns, with any unit in brackets after them.
constexpr std::array<std::string_view, 4> kHeightWords{"height", "level", "depth", "dip"};
constexpr std::array<std::string_view, 4> kVolumeWords{"volume", "content", "contents", "capacity"};
// A cell quoted in a refusal is cut after this many bytes.
constexpr std::size_t kQuotedCellBytes = 40;

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

// A refusal in the window's language (English without a translator, as in zeftctl): the
// pattern is translated before the rows, names and numbers go in.
std::string Refusal(const char* pattern, std::initializer_list<std::string_view> args) {
    return FillPlaceholders(TranslatedText("Core", pattern), args);
}

// A header cell's word: letter case, quotes and a unit in brackets or parentheses dropped.
std::string HeaderWord(std::string_view cell) {
    cell = Trim(cell);
    const std::size_t bracket = cell.find_first_of("([");
    if (bracket != std::string_view::npos && cell.back() == (cell[bracket] == '(' ? ')' : ']')) {
        cell = Trim(cell.substr(0, bracket));
    }
    return Lower(cell);
}

template <std::size_t N>
std::optional<std::size_t> ColumnNamed(const std::vector<std::string_view>& cells,
                                       const std::array<std::string_view, N>& words) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (std::find(words.begin(), words.end(), HeaderWord(cells[i])) != words.end()) {
            return i;
        }
    }
    return std::nullopt;
}

// A cell as a refusal quotes it: control characters (a NUL too) as \xNN, so that nothing in a
// file reaches the terminal as a command or cuts the message; a long cell cut short.
std::string QuotedCell(std::string_view cell) {
    std::string quoted = "\"";
    std::size_t i = 0;
    for (; i < cell.size() && i < kQuotedCellBytes; ++i) {
        const auto c = static_cast<unsigned char>(cell[i]);
        const bool c1 = c == 0xC2 && i + 1 < cell.size() && (static_cast<unsigned char>(cell[i + 1]) & 0xE0) == 0x80;
        if (c < 0x20 || c == 0x7F || c1) {
            char escaped[9];
            std::snprintf(escaped, sizeof escaped, c1 ? "\\x%02x\\x%02x" : "\\x%02x", c,
                          c1 ? static_cast<unsigned char>(cell[++i]) : 0U);
            quoted += escaped;
        } else {
            quoted += static_cast<char>(c);
        }
    }
    // Not inside a UTF-8 character.
    while (i < cell.size() && (static_cast<unsigned char>(cell[i]) & 0xC0) == 0x80) {
        quoted += cell[i++];
    }
    return quoted + (i < cell.size() ? "...\"" : "\"");
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
            const auto height = ColumnNamed(cells, kHeightWords);
            const auto volume = ColumnNamed(cells, kVolumeWords);
            if (height && volume) {
                heightColumn = *height;
                volumeColumn = *volume;
                continue;
            }
            if (!cells.empty() && !Number(cells[0], separator)) {
                table.error = Refusal(
                    ZEFT_TEXT("Core", "Row %1: the first line must name a height column (height, level, depth or "
                                      "dip) and a volume column (volume, content, contents or capacity), a unit in "
                                      "brackets after the word if need be."),
                    {std::to_string(row)});
                return table;
            }
        }
        const std::vector<std::string_view> cells = Cells(line, separator);
        // More cells than the first line: most likely decimal commas between commas, which
        // would silently read 40,5 as 40.
        if (cells.size() > columns) {
            table.error = Refusal(
                ZEFT_TEXT("Core", "Row %1: more cells than the first line has (a decimal comma needs semicolons "
                                  "between the cells)."),
                {std::to_string(row)});
            return table;
        }
        MeasuredPoint point;
        point.row = row;
        const std::pair<std::size_t, long double*> wanted[] = {{heightColumn, &point.height},
                                                               {volumeColumn, &point.volume}};
        for (const auto& [column, value] : wanted) {
            const bool height = value == &point.height;
            const std::string number = std::to_string(row);
            if (column >= cells.size() || cells[column].empty()) {
                table.error = height ? Refusal(ZEFT_TEXT("Core", "Row %1: there is no height."), {number})
                                     : Refusal(ZEFT_TEXT("Core", "Row %1: there is no volume."), {number});
                return table;
            }
            const auto read = Number(cells[column], separator);
            if (!read) {
                const std::string cell = QuotedCell(cells[column]);
                table.error =
                    height ? Refusal(ZEFT_TEXT("Core", "Row %1: the height %2 is not a number."), {number, cell})
                           : Refusal(ZEFT_TEXT("Core", "Row %1: the volume %2 is not a number."), {number, cell});
                return table;
            }
            if (*read < 0) {
                table.error =
                    height ? Refusal(ZEFT_TEXT("Core", "Row %1: the height %2 is negative."), {number, cells[column]})
                           : Refusal(ZEFT_TEXT("Core", "Row %1: the volume %2 is negative."), {number, cells[column]});
                return table;
            }
            // Beyond a double nothing can be shown or handed on.
            if (*read > DBL_MAX) {
                table.error =
                    height ? Refusal(ZEFT_TEXT("Core", "Row %1: the height %2 is too large."), {number, cells[column]})
                           : Refusal(ZEFT_TEXT("Core", "Row %1: the volume %2 is too large."), {number, cells[column]});
                return table;
            }
            *value = *read;
        }
        table.points.push_back(point);
    }
    if (table.points.size() < 3) {
        table.error = Refusal(ZEFT_TEXT("Core", "The table needs at least three rows; it has %1."),
                              {std::to_string(table.points.size())});
        return table;
    }
    std::stable_sort(table.points.begin(), table.points.end(),
                     [](const MeasuredPoint& a, const MeasuredPoint& b) { return a.height < b.height; });
    for (std::size_t i = 1; i < table.points.size(); ++i) {
        const MeasuredPoint& lower = table.points[i - 1];
        const MeasuredPoint& point = table.points[i];
        if (point.height == lower.height) {
            const auto [first, second] = std::minmax(lower.row, point.row);
            table.error = Refusal(ZEFT_TEXT("Core", "Row %1: the height %2 is already in row %3."),
                                  {std::to_string(second), ShortestNumberText(point.height), std::to_string(first)});
            table.points.clear();
            return table;
        }
        if (point.volume < lower.volume) {
            table.error =
                Refusal(ZEFT_TEXT("Core", "Row %1: the volume %2 is less than the %3 of row %4, which is lower down."),
                        {std::to_string(point.row), ShortestNumberText(point.volume), ShortestNumberText(lower.volume),
                         std::to_string(lower.row)});
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
        file.error = Refusal(ZEFT_TEXT("Core", "The file %1 does not exist."), {path});
        return file;
    }
    if (!std::filesystem::is_regular_file(status)) {
        file.error = Refusal(ZEFT_TEXT("Core", "The file %1 is not a regular file."), {path});
        return file;
    }
    if (std::filesystem::file_size(path, error) > kMaxTableBytes || error) {
        file.error = Refusal(ZEFT_TEXT("Core", "The file %1 is too large for a measured table."), {path});
        return file;
    }
    std::ifstream stream(path, std::ios::binary);
    if (!stream) {
        file.error = Refusal(ZEFT_TEXT("Core", "The file %1 cannot be read: %2."), {path, std::strerror(errno)});
        return file;
    }
    file.text.assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    return file;
}

TableFileText ReadTableStreamText(std::istream& stream, const std::string& name) {
    TableFileText file;
    // Read in pieces and stop at the limit: a stream has no size to ask for in advance.
    std::string piece(64 * 1024, '\0');
    while (stream) {
        stream.read(piece.data(), static_cast<std::streamsize>(piece.size()));
        file.text.append(piece.data(), static_cast<std::size_t>(stream.gcount()));
        if (file.text.size() > kMaxTableBytes) {
            file.text.clear();
            file.text.shrink_to_fit();
            file.error = "The " + name + " is too large for a measured table.";
            return file;
        }
    }
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
