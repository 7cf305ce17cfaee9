#include "ui/QtIntervalTimer.h"

namespace zeft::ui {

QtIntervalTimer::QtIntervalTimer() {
    // Millisecond waits of the protocol: the coarse timer would stretch them by up to 5 %.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (OnTimer) {
            OnTimer();
        }
    });
}

void QtIntervalTimer::Start(int milliseconds) {
    // QTimer::start restarts a running timer with a full interval.
    timer_.start(milliseconds);
}

void QtIntervalTimer::Stop() {
    timer_.stop();
}

bool QtIntervalTimer::IsEnabled() const {
    return timer_.isActive();
}

int QtIntervalTimer::Interval() const {
    return timer_.interval();
}

} // namespace zeft::ui
