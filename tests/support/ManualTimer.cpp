#include "tests/support/ManualTimer.h"

namespace zeft::testing {

void ManualTimer::Start(int milliseconds) {
    interval_ = milliseconds;
    enabled_ = true;
    due_ = now_ + milliseconds;
    starts.push_back(milliseconds);
}

void ManualTimer::Advance(long long milliseconds) {
    const long long target = now_ + milliseconds;
    while (enabled_ && due_ <= target) {
        now_ = due_;
        due_ = now_ + (interval_ > 0 ? interval_ : 1);
        ++ticks_;
        if (OnTimer) {
            OnTimer();
        }
    }
    now_ = target;
}

bool ManualTimer::AdvanceToTick() {
    if (!enabled_) {
        return false;
    }
    Advance(due_ - now_);
    return true;
}

} // namespace zeft::testing
