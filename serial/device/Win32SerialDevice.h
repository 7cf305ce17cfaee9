#pragma once

#include "serial/device/SerialDevice.h"

#include <mutex>
#include <string>

#include <windows.h>

namespace zeft {

// A COM port through the Win32 comm API with overlapped I/O: one OVERLAPPED record each for
// writes, reads and event waits, each with its own manual-reset event.
//
// The main thread and the worker both use the handle; a mutex keeps a close from pulling it
// away under a call of the other thread, as a driver's lock would. Nothing waits under it:
// the worker's waits are on the events only. A record is reused only once the system has
// given it back: a close and a read or event wait ended by hand take their I/O back first.
class Win32SerialDevice : public SerialDevice {
public:
    Win32SerialDevice();
    ~Win32SerialDevice() override;
    Win32SerialDevice(const Win32SerialDevice&) = delete;
    Win32SerialDevice& operator=(const Win32SerialDevice&) = delete;

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
    // The open's answer for a name that opens but is no serial port (a file, NUL): what
    // the system itself says when asked for a line state there.
    static constexpr std::uint32_t kNotASerialPort = ERROR_INVALID_FUNCTION;

    std::uint32_t Result(BOOL ok) const;
    std::uint32_t Overlapped(BOOL ok, OVERLAPPED& record, std::uint32_t& count) const;
    // The finished result of an I/O whose completion event may have been set by hand: one
    // still running is cancelled and waited for, so that the system is done with the record.
    std::uint32_t TakeBack(OVERLAPPED& record, std::uint32_t& count);
    void AwaitRecord(OVERLAPPED& record) const;

    mutable std::mutex mutex_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    OVERLAPPED write_{};
    OVERLAPPED read_{};
    OVERLAPPED wait_{};
    DWORD waitMask_ = 0;
    DCB dcb_{};
    std::uint32_t eventError_ = 0;
    std::string notAPortName_; // the last name refused as no serial port
};

} // namespace zeft
