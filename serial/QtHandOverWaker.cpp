#include "serial/QtHandOverWaker.h"

#include "serial/HandOverQueue.h"

#include <QMetaObject>

#include <mutex>

namespace zeft::ui {

// Shared with the waker function, which a worker may still hold a copy of after the
// waker is gone: it posts only while the object lives.
struct QtHandOverWaker::Target {
    std::mutex mutex;
    QtHandOverWaker* waker = nullptr;
};

QtHandOverWaker::QtHandOverWaker(HandOverQueue& queue, QObject* parent)
    : QObject(parent), queue_(queue), target_(std::make_shared<Target>()) {
    target_->waker = this;
    queue_.SetWaker([target = target_] {
        std::lock_guard lock(target->mutex);
        if (target->waker != nullptr) {
            HandOverQueue* queue = &target->waker->queue_;
            // Posting is thread-safe; the drain runs on the thread this object lives on.
            QMetaObject::invokeMethod(
                target->waker, [queue] { queue->Drain(); }, Qt::QueuedConnection);
        }
    });
}

QtHandOverWaker::~QtHandOverWaker() {
    queue_.SetWaker({});
    {
        std::lock_guard lock(target_->mutex);
        target_->waker = nullptr;
    }
    // Drains still posted for this object are dropped with it; run what waits now.
    queue_.Drain();
}

} // namespace zeft::ui
