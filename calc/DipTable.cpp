#include "calc/DipTable.h"

#include "calc/DecimalText.h"

#include <charconv>
#include <string>
#include <system_error>

namespace zeft {

DipTable MakeDipTable(const TankContent& content, std::string_view stepText, char decimalSeparator) {
    DipTable table;
    const auto step = PositiveDecimalFromText(stepText, decimalSeparator);
    if (!step) {
        table.error = "Invalid input for step value! The step must be a number greater than 0.";
        return table;
    }
    const long double top = content.height();
    // A multiple of the step that misses H only by rounding is H itself. The slack follows
    // H, not the step: a step far above H must still leave the row at 0.
    const long double slack = top * 1e-9L;
    for (std::size_t i = 0;; ++i) {
        const long double height = static_cast<long double>(i) * *step;
        if (!(height < top - slack)) {
            break;
        }
        if (table.rows.size() + 1 >= kMaxDipRows) {
            table.rows.clear();
            table.error = "Invalid input for step value! The table would have more than " +
                          std::to_string(kMaxDipRows) + " rows.";
            return table;
        }
        table.rows.push_back({height, content.PercentAt(height), content.VolumeAt(height)});
    }
    table.rows.push_back({top, content.PercentAt(top), content.VolumeAt(top)});
    return table;
}

std::string ShortestNumberText(long double value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value));
    if (error != std::errc()) {
        return "nan";
    }
    return std::string(buffer, end);
}

DipRowTexts DipRowText(const DipRow& row) {
    return {ShortestNumberText(row.height), FixedText(row.percent, 2, '.'), FixedText(row.volume, 3, '.')};
}

std::string DipTableCsv(const std::vector<DipRow>& rows) {
    std::string csv = "height,percent,volume\n";
    csv.reserve(csv.size() + rows.size() * 24);
    for (const DipRow& row : rows) {
        const DipRowTexts texts = DipRowText(row);
        csv += texts.height;
        csv += ',';
        csv += texts.percent;
        csv += ',';
        csv += texts.volume;
        csv += '\n';
    }
    return csv;
}

} // namespace zeft
