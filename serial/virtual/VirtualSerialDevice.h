#pragma once

#include "serial/device/SerialDevice.h"
#include "serial/virtual/VirtualSender.h"
#include "serial/virtual/VirtualSenderPortName.h"

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace zeft {

// What the devices of one port name share: the sender's settings and the port being in use.
struct VirtualSenderUnit {
    std::shared_ptr<VirtualSenderSettings> settings =
        std::make_shared<VirtualSenderSettings>(DefaultVirtualSenderSettings());
    bool inUse = false; // open and close run on the main thread only
};

// The virtual sender behind the device interface. RTS powers it; what it says arrives in
// the input buffer at the pace of the configured baud rate; writes reach it at once and
// complete at once. The worker's event wait ends when bytes arrive (an edge: once per
// arrival, never while they just wait), so a quiet port costs nothing but the worker's
// own time-outs. A mutex serialises the main thread and the worker, as a driver would.
class VirtualSerialDevice : public SerialDevice {
public:
    explicit VirtualSerialDevice(VirtualSenderFaults faults = {}, std::shared_ptr<VirtualSenderUnit> unit = nullptr);
    // Another far end, such as a production line, which outlives the device; the unit
    // keeps it to one open port at a time.
    VirtualSerialDevice(std::shared_ptr<VirtualSenderUnit> unit, std::shared_ptr<VirtualLine> line);
    ~VirtualSerialDevice() override;

    std::uint32_t Open(const std::string& portName) override;
    std::uint32_t Close() override;
    std::uint32_t NativeHandle() const override;
    std::string ErrorText(std::uint32_t code) const override;
    std::uint32_t SetQueueSizes(std::uint32_t rxSize, std::uint32_t txSize) override;
    std::uint32_t GetLineSettings(SerialLineSettings& settings) override;
    std::uint32_t SetLineSettings(const SerialLineSettings& settings) override;
    std::uint32_t GetTimeouts(SerialTimeouts& timeouts) override;
    std::uint32_t SetTimeouts(const SerialTimeouts& timeouts) override;
    std::uint32_t SetEventMask(std::uint32_t mask) override;
    std::uint32_t Purge(std::uint32_t flags) override;
    std::uint32_t SetLine(SerialLine line) override;
    std::uint32_t SetBreak(bool on) override;
    std::uint32_t StartWrite(const std::uint8_t* data, std::uint32_t count, std::uint32_t& written) override;

    std::uint32_t WriteResult(std::uint32_t& transferred) override;
    std::uint32_t ResetWriteCompletion() override;
    std::uint32_t GetModemStatus(std::uint32_t& status) override;
    std::uint32_t ClearError(SerialDeviceStatus& status) override;
    std::uint32_t StartRead(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& read) override;
    std::uint32_t ReadResult(std::uint32_t& transferred) override;
    std::uint32_t StartWaitEvent(std::uint32_t& mask) override;
    std::uint32_t EventResult(std::uint32_t& mask) override;
    std::uint32_t SignalReadCompletion() override;
    std::uint32_t SignalEventCompletion() override;
    SerialWaitOutcome WaitForCompletion(bool read, bool event, std::uint32_t timeoutMs) override;

    // For tests: the sender's settings now, the commands it has heard, whether it is powered.
    VirtualSenderSettings Settings() const;
    int CommandsReceived() const;
    bool Powered() const;

private:
    static std::int64_t NowUs();
    void AdvanceLocked(std::int64_t nowUs);
    void CompleteWaitLocked(std::uint32_t mask, std::uint32_t code);

    std::shared_ptr<VirtualSenderUnit> unit_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::shared_ptr<VirtualLine> sender_;
    bool open_ = false;
    std::string input_;
    std::uint32_t rxSize_ = 4096;
    std::uint32_t errors_ = 0;
    SerialLineSettings line_;
    SerialTimeouts timeouts_;
    std::uint32_t eventMask_ = 0;
    bool rxArrived_ = false; // bytes came that no event has reported yet
    bool waitPending_ = false;
    std::uint32_t waitMask_ = 0;
    std::uint32_t waitCode_ = kDeviceOk;
    bool eventSignalled_ = false;
    bool readSignalled_ = false;
    std::uint32_t lastWritten_ = 0;
};

} // namespace zeft
