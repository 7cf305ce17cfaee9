#include "tests/support/ScaledTimer.h"

#include <algorithm>

namespace zeft::testing {

ScaledTimer::ScaledTimer(CoreMainLoop& loop, int divisor) : inner_(loop), divisor_(divisor) {
    inner_.OnTimer = [this] {
        if (OnTimer) {
            OnTimer();
        }
    };
}

void ScaledTimer::Start(int milliseconds) {
    interval_ = milliseconds;
    inner_.Start(std::max(1, milliseconds / divisor_));
}

} // namespace zeft::testing
