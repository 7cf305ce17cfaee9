#include "calc/DipTable.h"

#include "calc/DecimalText.h"
#include "seams/TextTranslation.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace zeft {
namespace {

// A multiple of the step this close to H (relative to H) is H itself.
constexpr long double kDipSlack = 1e-9L;

} // namespace

std::optional<std::string> DipStepRefusal(const TankContent& content, std::string_view stepText,
                                          char decimalSeparator) {
    const auto step = PositiveDecimalFromText(stepText, decimalSeparator);
    if (!step) {
        return ZEFT_TEXT("Core", "Invalid input for step value! The step must be a number greater than 0.");
    }
    // Counted before any row is computed: a row costs a content calculation.
    const long double top = content.height();
    const long double below = std::ceil((top - top * kDipSlack) / *step);
    if (!(below + 1 <= static_cast<long double>(kMaxDipRows))) {
        return FillPlaceholders(
            TranslatedText("Core", "Invalid input for step value! The table would have more than %1 rows."),
            {std::to_string(kMaxDipRows)});
    }
    if (!std::isfinite(content.volume()) || std::fabs(content.volume()) > DBL_MAX) {
        return std::string(kChartBeyondRange);
    }
    return std::nullopt;
}

DipTable MakeDipTable(const TankContent& content, std::string_view stepText, char decimalSeparator,
                      const std::function<bool()>& stopped) {
    DipTable table;
    if (std::optional<std::string> refusal = DipStepRefusal(content, stepText, decimalSeparator)) {
        table.error = std::move(*refusal);
        return table;
    }
    const long double step = *PositiveDecimalFromText(stepText, decimalSeparator);
    const long double top = content.height();
    // A multiple of the step that misses H only by rounding is H itself. The slack follows
    // H, not the step: a step far above H must still leave the row at 0.
    const long double slack = top * kDipSlack;
    const auto row = [&content](long double height) {
        return DipRow{height, content.PercentAt(height), content.VolumeAt(height), content.GaugePercentAt(height)};
    };
    for (std::size_t i = 0;; ++i) {
        const long double height = static_cast<long double>(i) * step;
        if (!(height < top - slack)) {
            break;
        }
        // The count above is one rounding away from this loop's.
        const bool tooMany = table.rows.size() + 1 >= kMaxDipRows;
        if (tooMany || (stopped && stopped())) {
            table.rows.clear();
            table.error = tooMany ? "Invalid input for step value! The table would have more than " +
                                        std::to_string(kMaxDipRows) + " rows."
                                  : "Stopped.";
            return table;
        }
        table.rows.push_back(row(height));
    }
    table.rows.push_back(row(top));
    for (const DipRow& r : table.rows) {
        if (!std::isfinite(r.percent) || !std::isfinite(r.gauge) || !std::isfinite(r.volume)) {
            table.rows.clear();
            table.error = std::string(kChartBeyondRange);
            return table;
        }
    }
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

std::string ShownVolumeText(long double volume, VolumeUnit unit, char decimalSeparator) {
    // From 10^15 up the decimals lie beyond long double's 19 digits, and from about 10^60
    // the fixed form does not fit at all: such volumes take the shape calculator's form.
    constexpr long double kLargestFixedVolume = 1e15L;
    return std::fabs(volume) < kLargestFixedVolume ? FixedText(volume, VolumeDecimals(unit), decimalSeparator)
                                                   : VolumeText(volume, decimalSeparator);
}

DipRowTexts DipRowText(const DipRow& row, DipVolumes volumes) {
    const long double volume = ConvertVolume(row.volume, DefaultVolumeUnit(volumes.inchUnit), volumes.shown);
    return {ShortestNumberText(row.height), FixedText(row.percent, 2, '.'), ShownVolumeText(volume, volumes.shown, '.'),
            FixedText(row.gauge, 2, '.')};
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
