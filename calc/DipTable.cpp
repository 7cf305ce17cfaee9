#include "calc/DipTable.h"

#include "calc/DecimalText.h"
#include "main/TextTranslation.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace zeft {

DipTable MakeDipTable(const TankContent& content, std::string_view stepText, char decimalSeparator) {
    DipTable table;
    const auto step = PositiveDecimalFromText(stepText, decimalSeparator);
    if (!step) {
        table.error = ZEFT_TEXT("Core", "Invalid input for step value! The step must be a number greater than 0.");
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
        table.rows.push_back(
            {height, content.PercentAt(height), content.VolumeAt(height), content.GaugePercentAt(height)});
    }
    table.rows.push_back({top, content.PercentAt(top), content.VolumeAt(top), content.GaugePercentAt(top)});
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

DipVolumes DefaultDipVolumes(bool inchUnit) {
    return {inchUnit, DefaultVolumeUnit(inchUnit)};
}

DipRowTexts DipRowText(const DipRow& row, DipVolumes volumes) {
    const long double volume = ConvertVolume(row.volume, DefaultVolumeUnit(volumes.inchUnit), volumes.shown);
    // From 10^15 up the decimals lie beyond long double's 19 digits, and from about 10^60
    // the fixed form does not fit at all: such volumes take the shape calculator's form.
    constexpr long double kLargestFixedVolume = 1e15L;
    const std::string volumeText = std::fabs(volume) < kLargestFixedVolume
                                       ? FixedText(volume, VolumeDecimals(volumes.shown), '.')
                                       : VolumeText(volume, '.');
    return {ShortestNumberText(row.height), FixedText(row.percent, 2, '.'), volumeText, FixedText(row.gauge, 2, '.')};
}

DipHeaders DipTableHeaders(DipVolumes volumes) {
    // Shown in the window's language; the CSV keeps its own keys.
    return {volumes.inchUnit ? TranslatedText("Core", "Height (in)") : TranslatedText("Core", "Height (mm)"),
            TranslatedText("Core", "Percent"), TranslatedText("Core", "Gauge %"),
            FillPlaceholders(TranslatedText("Core", "Volume (%1)"), {VolumeUnitSymbol(volumes.shown)})};
}

std::string DipTableCsv(const std::vector<DipRow>& rows, DipVolumes volumes) {
    // New columns go last: readers of the first three keep working.
    std::string csv = "height,percent,volume,gauge\n";
    csv.reserve(csv.size() + rows.size() * 32);
    for (const DipRow& row : rows) {
        const DipRowTexts texts = DipRowText(row, volumes);
        csv += texts.height;
        csv += ',';
        csv += texts.percent;
        csv += ',';
        csv += texts.volume;
        csv += ',';
        csv += texts.gauge;
        csv += '\n';
    }
    return csv;
}

} // namespace zeft
