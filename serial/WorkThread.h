#pragma once

#include "serial/device/SerialDevice.h"
#include "serial/settings/PortSettings.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace zeft {

struct SerialLinkShared;

// The worker of one TSerialLink: polls the open port, finishes writes, waits for line
// events, decides when the waiting bytes form a cluster, and hands clusters, events and
// reports to the main thread, blocking until each ran. Runs from the component's
// construction to its destruction and sleeps while the port is closed. It sees nothing of
// the component but their shared part.
class TWorkThread {
public:
    explicit TWorkThread(SerialLinkShared& shared);
    ~TWorkThread();
    TWorkThread(const TWorkThread&) = delete;
    TWorkThread& operator=(const TWorkThread&) = delete;

    // Asks the loop to end once the port is no longer served.
    void Terminate();
    // Ends an idle sleep early (the port was opened, or termination was asked for).
    void Wake();
    void Join();

private:
    void Execute();
    void ServePass();
    void IdlePause();
    void PauseAfterFailedWait();

    void CheckModemAndComState();
    void CheckWrite();
    void TryRead();
    void DeliverCluster(std::uint32_t count);
    void StartWaitCommEvent();
    void FinishRead();
    void FinishWaitCommEvent();
    void DispatchCommEvents();
    void WaitForPending();
    void WindDown();
    void MoveToDevice(SerialDevice* device);
    // The port was reopened on another device while this pass still had the old one.
    bool Replaced() const;
    // The port is open on the device this pass works with.
    bool DeviceActive() const;

    void Report(std::uint32_t place, std::uint32_t code, const char* msg);
    void HandOver(const std::function<void()>& step);
    void ReleaseReadBuffer();
    std::uint8_t* ReadBufferData();
    // The component's settings as last published.
    const PortSettings& Settings();

    SerialLinkShared& shared_;
    PortSettings settings_;
    std::uint64_t settingsVersion_ = 0;

    // Report buffer, read by the main thread during the hand-over.
    std::uint32_t reportPlace_ = 0;
    std::uint32_t reportCode_ = 0;
    std::string reportMsg_;

    // Loop state, the worker's own.
    SerialDevice* device_ = nullptr;
    bool serving_ = false;
    bool readPending_ = false;
    bool waitPending_ = false;
    bool waitStartFailed_ = false;
    std::uint32_t lastEmptyTick_ = 0;
    std::uint32_t eventMask_ = 0;
    std::uint32_t lineErrors_ = 0;
    std::uint32_t inQueue_ = 0;
    // What a read is asked for, sized to it; the system may write into it until the read
    // has completed.
    std::string readBuffer_;

    std::atomic<bool> terminated_{false};
    std::mutex sleepMutex_;
    std::condition_variable sleepWake_;
    bool wakeRequested_ = false;
    std::thread thread_;
};

} // namespace zeft
