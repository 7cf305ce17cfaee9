#include "calc/MonotoneCubic.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zeft {

MonotoneCubic::MonotoneCubic(std::vector<long double> x, std::vector<long double> y)
    : x_(std::move(x)), y_(std::move(y)), slopes_(x_.size(), 0) {
    const std::size_t n = x_.size();
    if (n < 2) {
        return;
    }
    std::vector<long double> secants(n - 1);
    for (std::size_t k = 0; k + 1 < n; ++k) {
        secants[k] = (y_[k + 1] - y_[k]) / (x_[k + 1] - x_[k]);
    }
    // Start from the mean of the neighbouring secants, and 0 at a turn or a flat piece.
    slopes_[0] = secants[0];
    slopes_[n - 1] = secants[n - 2];
    for (std::size_t k = 1; k + 1 < n; ++k) {
        slopes_[k] = secants[k - 1] * secants[k] <= 0 ? 0 : (secants[k - 1] + secants[k]) / 2;
    }
    // Then keep each piece monotone: a flat piece has flat ends, and the tangents of a
    // rising one stay inside the circle of radius 3 (in units of its secant).
    for (std::size_t k = 0; k + 1 < n; ++k) {
        if (secants[k] == 0) {
            slopes_[k] = 0;
            slopes_[k + 1] = 0;
            continue;
        }
        const long double alpha = slopes_[k] / secants[k];
        const long double beta = slopes_[k + 1] / secants[k];
        const long double radius = alpha * alpha + beta * beta;
        if (radius > 9) {
            const long double tau = 3 / std::sqrt(radius);
            slopes_[k] = tau * alpha * secants[k];
            slopes_[k + 1] = tau * beta * secants[k];
        }
    }
}

long double MonotoneCubic::operator()(long double x) const {
    if (x_.empty()) {
        return 0;
    }
    if (x <= x_.front()) {
        return y_.front();
    }
    if (x >= x_.back()) {
        return y_.back();
    }
    const auto upper = std::upper_bound(x_.begin(), x_.end(), x);
    const auto k = static_cast<std::size_t>(upper - x_.begin()) - 1;
    const long double width = x_[k + 1] - x_[k];
    const long double t = (x - x_[k]) / width;
    const long double t2 = t * t;
    const long double t3 = t2 * t;
    // The cubic Hermite basis, written from the left point so that a flat piece is
    // exactly flat (h00 + h01 = 1 only up to rounding).
    const long double h10 = t3 - 2 * t2 + t;
    const long double h01 = -2 * t3 + 3 * t2;
    const long double h11 = t3 - t2;
    return y_[k] + (y_[k + 1] - y_[k]) * h01 + width * (h10 * slopes_[k] + h11 * slopes_[k + 1]);
}

} // namespace zeft
