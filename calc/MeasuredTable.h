#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace zeft {

// One measured point of a tank: the liquid's height above the bottom and the volume held.
// row: where it stands in the text (the line number, as a spreadsheet numbers its rows).
struct MeasuredPoint {
    long double height = 0;
    long double volume = 0;
    int row = 0;
};

// Points sorted by height, or the first refusal, naming its row.
struct MeasuredTable {
    std::string error;
    std::vector<MeasuredPoint> points;

    bool ok() const { return error.empty(); }
};

// Reads a measured table: a CSV file or rows typed or pasted into the window. The first
// line may name the columns: a height (height, level, depth or dip) and a volume (volume,
// content, contents or capacity), in any order and letter case, each word with a unit in
// brackets or parentheses after it if need be ("Height (mm)"); other columns are ignored,
// so the tank chart's CSV reads back. Without such a line the first column is the height
// and the second the volume. Cells are separated by commas, or by
// semicolons or tabs when the first line has them, and then a decimal comma is accepted
// too. Blank lines are skipped. Refused, naming the row: a cell that is not a number, a
// negative number or one beyond a double's range, a missing cell, a repeated height, a
// volume that falls as the height rises; and a table of fewer than three rows. A cell
// quoted in a refusal has its control characters escaped (\x1b).
MeasuredTable ReadMeasuredTable(std::string_view text);

// The text of a table file of at most a few megabytes, or why it could not be read (not a
// regular file, too large, missing).
struct TableFileText {
    std::string error;
    std::string text;
};
TableFileText ReadTableFileText(const std::string& path);
// The same limit for a stream (standard input), checked while reading; name says what it
// is in the refusal ("standard input").
TableFileText ReadTableStreamText(std::istream& stream, const std::string& name);

// The most a table file or stream may hold: 16 MiB.
inline constexpr std::uintmax_t kMaxTableBytes = 16 * 1024 * 1024;

// The file read and then its table, as above.
MeasuredTable ReadMeasuredTableFile(const std::string& path);

} // namespace zeft
