#pragma once

#include "serial/device/SerialDevice.h"

#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace zeft::testing {

// A serial device driven by a script on a clock of its own, so that the worker's timing
// rules can be tested without timing luck. The clock moves only inside the worker's waits,
// and never past the limit the test sets with RunUntil: there the worker blocks (for real)
// until the test moves the limit on or the main thread cuts the wait short. While the event
// mask is 0 (the port is being closed) a blocked wait runs out in real time instead. Script times
// are milliseconds since the start tick, which lies just before the 32-bit tick wraps.
class ScriptedSerialDevice : public SerialDevice {
public:
    // How a started write behaves.
    enum class WriteMode {
        AtOnce,       // done at once
        Incomplete,   // pending; unfinished until purged or closed
        StaysPending, // pending; its result says ERROR_IO_PENDING with the bytes set below
        EndsShort,    // pending; finishes at the next poll with the bytes set below
    };

    // Calls of every device that shares it, so that a test can look at a device's calls
    // after the component has freed it.
    struct CallLog {
        std::mutex mutex;
        std::vector<std::string> calls;
    };

    explicit ScriptedSerialDevice(std::shared_ptr<CallLog> log = std::make_shared<CallLog>(),
                                  std::uint32_t startTick = 0xFFFFFF00u);

    // --- script (test thread) ---
    void RunUntil(std::uint32_t at);
    void ScheduleInput(std::uint32_t at, const std::string& bytes, std::uint32_t errors = 0);
    void ScheduleEvents(std::uint32_t at, std::uint32_t mask);
    void SetWriteMode(WriteMode mode, std::uint32_t transferred = 0);
    void SetReadsPend(bool pend);
    // The modem status (kMs* bits) from the given time on.
    void ScheduleModemStatus(std::uint32_t at, std::uint32_t status);
    // Makes every call of the operation (its method name) fail with the code.
    void Fail(const std::string& operation, std::uint32_t code);
    std::uint32_t StartTick() const { return startTick_; }
    // Milliseconds since the start tick.
    std::uint32_t Now() const;
    // Calls of the main thread's kind as "Name" or "Name argument", in order (shared log).
    std::vector<std::string> Calls() const;
    int CountCalls(const std::string& call) const;
    SerialTimeouts LastTimeouts() const;
    std::vector<std::uint32_t> ReadTimes() const; // Now() at each read
    std::string Written() const;

    // --- SerialDevice ---
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
    std::uint32_t TickCount() const override;

private:
    struct Arrival {
        std::string bytes;
        std::uint32_t errors = 0;
        std::uint32_t events = 0;
        bool setsModem = false;
        std::uint32_t modem = 0;
    };

    std::uint32_t Call(const std::string& operation, const std::string& argument = {});
    std::uint32_t Failure(const std::string& operation) const;
    void Deliver();
    void Notify(std::uint32_t events);
    std::uint32_t Elapsed() const { return now_ - startTick_; }

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    const std::uint32_t startTick_;
    std::uint32_t now_;
    std::uint32_t limit_;
    std::multimap<std::uint32_t, Arrival> script_; // by elapsed time since the start
    std::map<std::string, std::uint32_t> failures_;
    std::shared_ptr<CallLog> log_;
    std::vector<std::uint32_t> readTimes_;
    std::uint8_t* readBuffer_ = nullptr;
    bool open_ = false;
    std::string input_;
    std::uint32_t errors_ = 0;
    std::uint32_t modem_ = 0;
    std::uint32_t eventMask_ = 0;
    std::uint32_t history_ = 0;
    bool waitPending_ = false;
    bool waitDone_ = false;
    std::uint32_t waitMask_ = 0;
    bool readsPend_ = false;
    bool readPending_ = false;
    std::uint32_t pendingRead_ = 0;
    WriteMode writeMode_ = WriteMode::AtOnce;
    std::uint32_t writeTransferred_ = 0;
    bool writePending_ = false;
    bool writeAborted_ = false;
    std::string written_;
    SerialTimeouts timeouts_;
    SerialLineSettings settings_;
};

} // namespace zeft::testing
