#pragma once

#include "serial/HandOverQueue.h"
#include "serial/SerialLinkSteps.h"
#include "serial/device/SerialDevice.h"
#include "serial/settings/PortSettings.h"

#include <atomic>
#include <cstdint>
#include <mutex>

namespace zeft {

// Everything a serial component and its worker both touch; the worker sees nothing else of
// the component. Each field says which thread writes it and how the other one is kept in
// step with it.
struct SerialLinkShared {
    SerialLinkShared(HandOverQueue& queue, SerialLinkSteps& steps) : queue(queue), steps(steps) {}
    SerialLinkShared(const SerialLinkShared&) = delete;
    SerialLinkShared& operator=(const SerialLinkShared&) = delete;

    // Fixed at construction. The queue has its own lock; the steps run inside hand-overs.
    HandOverQueue& queue;
    SerialLinkSteps& steps;

    // Main thread writes, worker reads; atomic. The device is set before the port is
    // marked active and cleared after it is marked closed.
    std::atomic<bool> active{false};
    std::atomic<SerialDevice*> device{nullptr};
    std::atomic<bool> destroying{false};
    // The pending write's byte count and start tick, set before sendInProgress.
    std::atomic<std::uint32_t> writeCount{0};
    std::atomic<std::uint32_t> writeStartTick{0};

    // Both threads write; atomic. The main thread sets them, the worker clears them.
    std::atomic<bool> readRequest{false};
    std::atomic<bool> sendInProgress{false};

    // The worker writes, the main thread reads; atomic. (SendData also sets writtenBytes.)
    std::atomic<bool> ctsState{false};
    std::atomic<bool> dsrState{false};
    std::atomic<bool> rlsdState{false};
    std::atomic<bool> ringState{false};
    std::atomic<std::uint32_t> commError{0};
    std::atomic<std::uint8_t> commStateFlags{0};
    std::atomic<std::uint32_t> commStateInQueue{0};
    std::atomic<std::uint32_t> commStateOutQueue{0};
    std::atomic<std::uint32_t> modemState{0};
    std::atomic<std::uint32_t> commEvent{0};
    std::atomic<std::uint32_t> writtenBytes{0};
    std::atomic<bool> workerRunning{false};
    std::atomic<bool> workerFinished{false};

    // Main thread only: hand-over steps of this worker now running there.
    int stepsRunning = 0;

    // Main thread: a copy of the component's settings for the worker.
    void PublishSettings(const PortSettings& settings);
    // Worker: refreshes its copy when a newer one was published since version.
    void TakeSettings(PortSettings& copy, std::uint64_t& version) const;

private:
    // The snapshot, written under the lock; the version lets the worker skip the lock
    // while nothing changed.
    mutable std::mutex settingsMutex_;
    PortSettings settings_;
    std::atomic<std::uint64_t> settingsVersion_{0};
};

} // namespace zeft
