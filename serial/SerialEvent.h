#pragma once

#include <atomic>
#include <concepts>
#include <cstddef>
#include <type_traits>
#include <utility>

namespace zeft {

// An event of the serial component: a handler that the main thread assigns and that runs
// on the main thread. The worker asks whether one is assigned, so that it hands over only
// the events somebody listens to; that question is the only thing it touches.
template <typename Handler> class TSerialEvent {
public:
    TSerialEvent() = default;
    TSerialEvent(const TSerialEvent&) = delete;
    TSerialEvent& operator=(const TSerialEvent&) = delete;

    template <typename F>
    requires(!std::same_as<std::remove_cvref_t<F>, TSerialEvent> && std::assignable_from<Handler&, F>) TSerialEvent&
    operator=(F&& handler) {
        handler_ = std::forward<F>(handler);
        assigned_ = static_cast<bool>(handler_);
        return *this;
    }
    TSerialEvent& operator=(std::nullptr_t) {
        handler_ = nullptr;
        assigned_ = false;
        return *this;
    }

    explicit operator bool() const { return static_cast<bool>(handler_); }
    // Safe on any thread.
    bool Assigned() const { return assigned_; }

    template <typename... Args> void operator()(Args&&... args) const { handler_(std::forward<Args>(args)...); }

private:
    Handler handler_;
    std::atomic<bool> assigned_{false};
};

} // namespace zeft
