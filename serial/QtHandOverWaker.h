#pragma once

#include <QObject>

#include <memory>

namespace zeft {
class HandOverQueue;
}

namespace zeft::ui {

// Wakes the draining of a hand-over queue through the Qt event loop: each step a worker
// hands over posts a drain to the main thread. Posted events also run inside modal loops
// (message boxes, dialogs), so a worker is never left waiting while one is open. Create it
// on the main thread before any serial component opens a port; it unhooks itself when
// destroyed.
class QtHandOverWaker : public QObject {
    Q_OBJECT

public:
    explicit QtHandOverWaker(HandOverQueue& queue, QObject* parent = nullptr);
    ~QtHandOverWaker() override;

    QtHandOverWaker(const QtHandOverWaker&) = delete;
    QtHandOverWaker& operator=(const QtHandOverWaker&) = delete;

private:
    struct Target;

    HandOverQueue& queue_;
    std::shared_ptr<Target> target_;
};

} // namespace zeft::ui
