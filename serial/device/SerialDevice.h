#pragma once

#include "serial/HandOverQueue.h"

#include <cstdint>
#include <string>

namespace zeft {

// Error codes the serial component tells apart by value. Every backend uses these four for
// these meanings; any other failure is the platform's own code (a Win32 error, an errno).
inline constexpr std::uint32_t kDeviceOk = 0;
inline constexpr std::uint32_t kErrorInvalidParameter = 87;
inline constexpr std::uint32_t kErrorOperationAborted = 995;
inline constexpr std::uint32_t kErrorIoIncomplete = 996;
inline constexpr std::uint32_t kErrorIoPending = 997;

// Line events (the mask of the event wait).
inline constexpr std::uint32_t kEvRxChar = 0x0001;
inline constexpr std::uint32_t kEvRxFlag = 0x0002;
inline constexpr std::uint32_t kEvTxEmpty = 0x0004;
inline constexpr std::uint32_t kEvCts = 0x0008;
inline constexpr std::uint32_t kEvDsr = 0x0010;
inline constexpr std::uint32_t kEvRlsd = 0x0020;
inline constexpr std::uint32_t kEvBreak = 0x0040;
inline constexpr std::uint32_t kEvErr = 0x0080;
inline constexpr std::uint32_t kEvRing = 0x0100;
inline constexpr std::uint32_t kEvAll = 0x01FF;

// Line-error flags of the error state and of a cluster.
inline constexpr std::uint32_t kCeRxOver = 0x0001;
inline constexpr std::uint32_t kCeOverrun = 0x0002;
inline constexpr std::uint32_t kCeRxParity = 0x0004;
inline constexpr std::uint32_t kCeFrame = 0x0008;
inline constexpr std::uint32_t kCeBreak = 0x0010;

// Modem status bits.
inline constexpr std::uint32_t kMsCtsOn = 0x0010;
inline constexpr std::uint32_t kMsDsrOn = 0x0020;
inline constexpr std::uint32_t kMsRingOn = 0x0040;
inline constexpr std::uint32_t kMsRlsdOn = 0x0080;

// Bits of the line settings' flag word (the layout of the Win32 DCB bit fields).
inline constexpr std::uint32_t kDcbBinary = 0x0001;
inline constexpr std::uint32_t kDcbParity = 0x0002;
inline constexpr std::uint32_t kDcbOutxCtsFlow = 0x0004;
inline constexpr std::uint32_t kDcbOutxDsrFlow = 0x0008;
inline constexpr std::uint32_t kDcbDtrControlMask = 0x0030; // 0x10 enable, 0x20 handshake
inline constexpr std::uint32_t kDcbDtrHandshake = 0x0020;
inline constexpr std::uint32_t kDcbDsrSensitivity = 0x0040;
inline constexpr std::uint32_t kDcbTxContinueOnXoff = 0x0080;
inline constexpr std::uint32_t kDcbOutX = 0x0100;
inline constexpr std::uint32_t kDcbInX = 0x0200;
inline constexpr std::uint32_t kDcbErrorChar = 0x0400;
inline constexpr std::uint32_t kDcbNull = 0x0800;
inline constexpr std::uint32_t kDcbRtsControlMask = 0x3000; // 0x1000 enable, 0x2000 handshake
inline constexpr std::uint32_t kDcbRtsHandshake = 0x2000;
inline constexpr std::uint32_t kDcbAbortOnError = 0x4000;

// Purge flags.
inline constexpr std::uint32_t kPurgeTxAbort = 0x0001;
inline constexpr std::uint32_t kPurgeRxAbort = 0x0002;
inline constexpr std::uint32_t kPurgeTxClear = 0x0004;
inline constexpr std::uint32_t kPurgeRxClear = 0x0008;

// The device's native handle while closed.
inline constexpr std::uint32_t kNoDeviceHandle = 0xFFFFFFFFu;

// Line parameters as the Win32 DCB holds them.
struct SerialLineSettings {
    std::uint32_t BaudRate = 9600;
    std::uint32_t Flags = kDcbBinary;
    std::uint16_t XonLim = 0;
    std::uint16_t XoffLim = 0;
    std::uint8_t ByteSize = 8;
    std::uint8_t Parity = 0;   // 0 none, 1 odd, 2 even, 3 mark, 4 space
    std::uint8_t StopBits = 0; // 0 one, 1 one and a half, 2 two
    char XonChar = 17;
    char XoffChar = 19;
    char ErrorChar = 0;
    char EofChar = 0;
    char EvtChar = 0;
};

// Read and write time-outs in milliseconds. ReadIntervalTimeout all bits set with the read
// totals 0 makes a read return at once with what is buffered; WriteTotalTimeoutConstant
// ends a write early (with fewer bytes written) when it has not finished in that time.
struct SerialTimeouts {
    std::uint32_t ReadIntervalTimeout = 0;
    std::uint32_t ReadTotalTimeoutMultiplier = 0;
    std::uint32_t ReadTotalTimeoutConstant = 0;
    std::uint32_t WriteTotalTimeoutMultiplier = 0;
    std::uint32_t WriteTotalTimeoutConstant = 0;
};

// What a read of the error state returns.
struct SerialDeviceStatus {
    std::uint32_t Errors = 0;   // kCe* flags since the last read of the error state
    std::uint8_t HoldFlags = 0; // fCtlHold .. fTxim, bits 0 to 6
    std::uint32_t InQueue = 0;  // bytes waiting to be read
    std::uint32_t OutQueue = 0; // bytes waiting to be sent
};

enum class SerialLine { SetRts, ClearRts, SetDtr, ClearDtr };

// What WaitForCompletion saw.
enum class SerialWaitResult { ReadDone, EventDone, TimedOut, Failed };
struct SerialWaitOutcome {
    SerialWaitResult Result = SerialWaitResult::TimedOut;
    std::uint32_t Code = 0; // the platform's wait result or error when Failed
};

// One serial device as the serial component drives it, modelled on the Win32 comm API
// with overlapped I/O: a write, a read and an event wait can each be outstanding and are
// finished by polling their result. Every call returns kDeviceOk or an error code.
//
// Threads: the main thread opens, closes, configures, drives the lines and starts writes;
// the serial worker polls the status, finishes writes, reads and waits for events.
// Implementations make the calls of the two threads safe against each other, as a driver
// does. After Close every call fails harmlessly until the next Open.
class SerialDevice {
public:
    virtual ~SerialDevice() = default;

    // --- main thread ---

    // Opens the named port for reading and writing, exclusively. The name is the
    // component's CommPort, given whole; the backend derives its device name from it.
    virtual std::uint32_t Open(const std::string& portName) = 0;
    // Closes the port; outstanding transfers end as aborted.
    virtual std::uint32_t Close() = 0;
    // The handle as a 32-bit number, kNoDeviceHandle while closed.
    virtual std::uint32_t NativeHandle() const = 0;
    // The operating system's words for an error code of this device, with what the user
    // can do about it where known (such as the group to join for a permission problem).
    virtual std::string ErrorText(std::uint32_t code) const = 0;

    // Sizes of the input and output buffers; fails while closed.
    virtual std::uint32_t SetQueueSizes(std::uint32_t rxSize, std::uint32_t txSize) = 0;
    virtual std::uint32_t GetLineSettings(SerialLineSettings& settings) = 0;
    // kErrorInvalidParameter when the device refuses a value.
    virtual std::uint32_t SetLineSettings(const SerialLineSettings& settings) = 0;
    virtual std::uint32_t GetTimeouts(SerialTimeouts& timeouts) = 0;
    virtual std::uint32_t SetTimeouts(const SerialTimeouts& timeouts) = 0;
    // The line events the event wait watches (kEv*). Setting it, from either thread,
    // completes an outstanding event wait with the mask 0.
    virtual std::uint32_t SetEventMask(std::uint32_t mask) = 0;
    // kPurge* flags: the abort flags end outstanding transfers as aborted, the clear
    // flags empty the buffers.
    virtual std::uint32_t Purge(std::uint32_t flags) = 0;
    virtual std::uint32_t SetLine(SerialLine line) = 0;
    virtual std::uint32_t SetBreak(bool on) = 0;
    // Starts writing count bytes. kDeviceOk: finished at once, written holds the count.
    // kErrorIoPending: outstanding, finished by WriteResult; the bytes must stay valid
    // until then. Anything else: the write did not start.
    virtual std::uint32_t StartWrite(const std::uint8_t* data, std::uint32_t count, std::uint32_t& written) = 0;

    // --- worker thread ---

    // The outstanding write's result without waiting: kDeviceOk when finished (a write
    // ended by its total time-out finishes with fewer bytes), kErrorIoIncomplete while it
    // runs, kErrorOperationAborted after a purge or close, or another error.
    // transferred holds the bytes written so far.
    virtual std::uint32_t WriteResult(std::uint32_t& transferred) = 0;
    // Makes the write's completion unsignalled again after a write was given up.
    virtual std::uint32_t ResetWriteCompletion() = 0;
    virtual std::uint32_t GetModemStatus(std::uint32_t& status) = 0;
    // Reads and clears the error state (ClearCommError).
    virtual std::uint32_t ClearError(SerialDeviceStatus& status) = 0;
    // Reads up to count bytes of what is buffered. kDeviceOk: done at once, read holds the
    // count. kErrorIoPending: outstanding, buffer stays in use until ReadResult.
    virtual std::uint32_t StartRead(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& read) = 0;
    virtual std::uint32_t ReadResult(std::uint32_t& transferred) = 0;
    // Starts waiting for a line event of the mask. kDeviceOk: an event was there, mask
    // holds it. kErrorIoPending: outstanding; WaitForCompletion reports its end and
    // EventResult gives the mask it ended with.
    virtual std::uint32_t StartWaitEvent(std::uint32_t& mask) = 0;
    virtual std::uint32_t EventResult(std::uint32_t& mask) = 0;
    // Signal the read's or the event wait's completion by hand, so that a worker that
    // winds down does not wait for them.
    virtual std::uint32_t SignalReadCompletion() = 0;
    virtual std::uint32_t SignalEventCompletion() = 0;
    // Blocks until the outstanding read (checked first) or event wait has completed, or
    // timeoutMs has passed. Only the ones named are waited for; SetEventMask, Purge and
    // Close from the main thread cut the wait short.
    virtual SerialWaitOutcome WaitForCompletion(bool read, bool event, std::uint32_t timeoutMs) = 0;
    // Where the worker waits while the main thread runs a step it handed over; none: it
    // sleeps on the queue. A device that buffers input itself keeps receiving there.
    virtual HandOverWaiter* WaiterForHandOvers() { return nullptr; }

    // --- either thread ---

    // The millisecond tick the component measures time allowances with; wraps at 2^32.
    virtual std::uint32_t TickCount() const;
};

} // namespace zeft
