#pragma once

#include "serial/device/SerialDevice.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace zeft {

// A tty through termios. Opened non-blocking and exclusively (flock and TIOCEXCL); anything
// that is not a tty is refused, and so is the process's own controlling terminal. The input is drained into a buffer of
// our own whenever poll wakes, so that "characters arrived" is an edge: bytes waiting for their cluster do not keep
// poll awake. Writes go out as the line takes them, pushed by the worker's wait. A hang-up (POLLHUP/POLLERR, EOF, EIO)
// makes the device gone: it is reported once by the next error-state poll, pending work ends with an error, and the fd
// is not touched again.
//
// While the worker waits for a step it handed over, it keeps draining the tty into the
// input buffer, as a driver would, so that the line does not stall behind the main thread.
//
// A mutex guards the state shared by the main thread and the worker, as a driver's lock
// would; poll itself runs unlocked.
class PosixSerialDevice : public SerialDevice, private HandOverWaiter {
public:
    PosixSerialDevice();
    ~PosixSerialDevice() override;
    PosixSerialDevice(const PosixSerialDevice&) = delete;
    PosixSerialDevice& operator=(const PosixSerialDevice&) = delete;

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
    HandOverWaiter* WaiterForHandOvers() override { return this; }

private:
    using Clock = std::chrono::steady_clock;

    void AwaitStep(const std::atomic<bool>& done) override;
    void StepDone() override;
    // One poll of the tty and the wake pipe until `until` at most, then whatever it found
    // done: input drained, the write pushed on, a hang-up noted. Returns poll's error, or 0.
    int PollAndService(std::unique_lock<std::mutex>& lock, Clock::time_point until);

    std::uint32_t CheckUsable() const;
    void Notify(std::uint32_t events);
    void CompleteWait(std::uint32_t mask);
    void FinishWrite(std::uint32_t result);
    void ProgressWrite();
    void FillInput();
    void MarkGone();
    void PollLineErrors();
    void WakeWorker();
    void DrainWakePipe();
    std::uint32_t ApplyTermios(const SerialLineSettings& settings);

    mutable std::mutex mutex_;
    int fd_ = -1;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::uint32_t wakeError_ = 0;
    std::string path_;
    bool ownTerminal_ = false; // the last open was refused as the process's own terminal
    bool inPoll_ = false;
    std::uint64_t pollsEnded_ = 0;
    std::condition_variable pollEnded_;
    std::vector<int> closeAfterPoll_; // fds whose close could not wait for the worker's poll

    bool gone_ = false;
    bool goneReported_ = false;
    bool modemRefusalReported_ = false;
    bool noModemLines_ = false;
    std::uint32_t lastModemStatus_ = 0;
    bool hasCounters_ = true;
    int counts_[5] = {0, 0, 0, 0, 0}; // frame, overrun, parity, break, buffer overrun

    SerialLineSettings settings_;
    SerialTimeouts timeouts_;

    // Input buffer of RxQueueSize bytes: bytes [rxHead_, rxTail_) wait to be read.
    std::vector<std::uint8_t> rx_;
    std::size_t rxHead_ = 0;
    std::size_t rxTail_ = 0;
    std::size_t Waiting() const { return rxTail_ - rxHead_; }
    void ClearInput() { rxHead_ = rxTail_ = 0; }
    std::uint32_t lineErrors_ = 0;

    bool outputMayBeQueued_ = false; // written bytes may wait in the kernel's output queue

    // The outstanding write.
    bool writePending_ = false;
    bool writeFinished_ = false;
    std::uint32_t writeResult_ = kDeviceOk;
    const std::uint8_t* writeData_ = nullptr;
    std::uint32_t writeCount_ = 0;
    std::uint32_t writeDone_ = 0;
    bool writeHasDeadline_ = false;
    Clock::time_point writeDeadline_;

    // Line events.
    std::uint32_t eventMask_ = 0;
    std::uint32_t history_ = 0;
    bool waitPending_ = false;
    bool waitDone_ = false;
    std::uint32_t waitMask_ = 0;
};

} // namespace zeft
