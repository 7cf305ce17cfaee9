#pragma once

#include "seams/IntervalTimer.h"

#include <QTimer>

namespace zeft::ui {

// The exchange engine's timer on a QTimer of the main thread.
class QtIntervalTimer : public IntervalTimer {
public:
    QtIntervalTimer();

    void Start(int milliseconds) override;
    void Stop() override;
    bool IsEnabled() const override;
    int Interval() const override;

private:
    QTimer timer_;
};

} // namespace zeft::ui
