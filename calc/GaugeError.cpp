#include "calc/GaugeError.h"

#include "calc/DecimalText.h"
#include "seams/TextTranslation.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace zeft {

long double GaugeReading(const std::array<long double, 4>& levels, long double emptyHeight, long double top,
                         long double height) {
    const long double usable = top - emptyHeight;
    if (!(usable > 0) || !(height > emptyHeight)) {
        return 0;
    }
    if (height >= top) {
        return 100;
    }
    const long double along = (height - emptyHeight) / usable * 5; // 0 to 5 pieces
    const auto piece = static_cast<std::size_t>(std::fmin(std::floor(along), 4.0L));
    const std::array<long double, 6> points{0, levels[0], levels[1], levels[2], levels[3], 100};
    const long double share = along - static_cast<long double>(piece);
    return points[piece] + (points[piece + 1] - points[piece]) * share;
}

GaugeError LargestGaugeError(const std::array<long double, 4>& levels, long double emptyHeight, long double top,
                             const std::function<long double(long double)>& truePercent) {
    const auto off = [&](long double height) {
        return std::fabs(GaugeReading(levels, emptyHeight, top, height) - truePercent(height));
    };
    // A fine scan, then the best sample's neighbourhood narrowed down (the error is smooth
    // within each piece). A later maximum must beat an earlier one by more than rounding.
    constexpr int kSamples = 2000;
    const long double step = (top - emptyHeight) / kSamples;
    GaugeError best;
    int bestSample = 0;
    for (int i = 0; i <= kSamples; ++i) {
        const long double height = emptyHeight + step * i;
        const long double points = off(height);
        if (points > best.points + 1e-9L) {
            best = {points, height};
            bestSample = i;
        }
    }
    long double low = emptyHeight + step * std::max(0, bestSample - 1);
    long double high = emptyHeight + step * std::min(kSamples, bestSample + 1);
    constexpr long double kGolden = 0.6180339887498948482L;
    for (int i = 0; i < 80 && high - low > 0; ++i) {
        const long double a = high - (high - low) * kGolden;
        const long double b = low + (high - low) * kGolden;
        if (off(a) >= off(b)) {
            high = b;
        } else {
            low = a;
        }
    }
    const long double middle = (low + high) / 2;
    if (off(middle) > best.points) {
        best = {off(middle), middle};
    }
    // Rounding noise is no error: a straight-sided tank's gauge reads true.
    if (best.points < 1e-9L) {
        best = {0, emptyHeight};
    }
    return best;
}

std::string GaugeErrorText(const GaugeError& error, long double top, bool inchUnit) {
    if (error.points < 0.005L) {
        return TranslatedText("Core", "under 0.01 points");
    }
    const std::string pattern = inchUnit ? TranslatedText("Core", "%1 points at %2 in (%3 % of H)")
                                         : TranslatedText("Core", "%1 points at %2 mm (%3 % of H)");
    return FillPlaceholders(pattern, {FixedText(error.points, 2, '.'), FixedText(error.height, inchUnit ? 2 : 1, '.'),
                                      FixedText(error.height * 100 / top, 1, '.')});
}

} // namespace zeft
