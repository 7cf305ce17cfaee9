// PosixSerialDevice: the transfers, the error and modem state, and the worker's wait.

#include "serial/device/PosixSerialDevice.h"

#include "base/Errno.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#ifdef __linux__
#include <linux/serial.h>
#endif

namespace zeft {

void PosixSerialDevice::WakeWorker() {
    const char byte = 1;
    // A full pipe already wakes the worker.
    [[maybe_unused]] const ssize_t written = ::write(wakeWrite_, &byte, 1);
}

void PosixSerialDevice::DrainWakePipe() {
    char buffer[64];
    // A pipe hands over all it holds: only a full buffer can have left bytes behind.
    while (::read(wakeRead_, buffer, sizeof(buffer)) == static_cast<ssize_t>(sizeof(buffer))) {
    }
}

void PosixSerialDevice::Notify(std::uint32_t events) {
    history_ |= events & eventMask_;
    if (history_ != 0 && waitPending_ && !waitDone_) {
        CompleteWait(history_);
        history_ = 0;
    }
}

void PosixSerialDevice::CompleteWait(std::uint32_t mask) {
    waitDone_ = true;
    waitMask_ = mask;
}

void PosixSerialDevice::FinishWrite(std::uint32_t result) {
    writeFinished_ = true;
    writeResult_ = result;
    writeData_ = nullptr;
    if (result == kDeviceOk) {
        Notify(kEvTxEmpty);
    }
}

void PosixSerialDevice::MarkGone() {
    gone_ = true;
    if (writePending_ && !writeFinished_) {
        FinishWrite(EIO);
    }
    // Wakes the worker so that its next poll of the error state reports it.
    if (waitPending_ && !waitDone_) {
        CompleteWait(0);
    }
}

std::uint32_t PosixSerialDevice::StartWrite(const std::uint8_t* data, std::uint32_t count, std::uint32_t& written) {
    std::lock_guard lock(mutex_);
    written = 0;
    if (const std::uint32_t code = CheckUsable(); code != kDeviceOk) {
        return code;
    }
    if (writePending_ && !writeFinished_) {
        return EBUSY;
    }
    writePending_ = writeFinished_ = false;
    const ssize_t n = count == 0 ? 0 : ::write(fd_, data, count);
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
        const std::uint32_t code = Errno();
        if (code == EIO) {
            MarkGone();
        }
        return code;
    }
    const auto done = static_cast<std::uint32_t>(std::max<ssize_t>(n, 0));
    outputMayBeQueued_ = outputMayBeQueued_ || done > 0;
    if (done == count) {
        written = count;
        Notify(kEvTxEmpty);
        return kDeviceOk;
    }
    writePending_ = true;
    writeData_ = data;
    writeCount_ = count;
    writeDone_ = done;
    const std::uint32_t total = timeouts_.WriteTotalTimeoutMultiplier * count + timeouts_.WriteTotalTimeoutConstant;
    writeHasDeadline_ = total != 0;
    writeDeadline_ = Clock::now() + std::chrono::milliseconds(total);
    WakeWorker(); // so that its poll watches for room to write
    return kErrorIoPending;
}

void PosixSerialDevice::ProgressWrite() {
    if (!writePending_ || writeFinished_ || fd_ < 0) {
        return;
    }
    while (writeDone_ < writeCount_ && !gone_) {
        const ssize_t n = ::write(fd_, writeData_ + writeDone_, writeCount_ - writeDone_);
        if (n > 0) {
            writeDone_ += static_cast<std::uint32_t>(n);
            outputMayBeQueued_ = true;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            if (errno == EIO) {
                MarkGone();
            } else {
                FinishWrite(Errno());
            }
            return;
        } else {
            break;
        }
    }
    if (writeDone_ == writeCount_) {
        FinishWrite(kDeviceOk);
    } else if (writeHasDeadline_ && Clock::now() >= writeDeadline_) {
        FinishWrite(kDeviceOk); // ended by its total time-out, with fewer bytes
    }
}

std::uint32_t PosixSerialDevice::WriteResult(std::uint32_t& transferred) {
    std::lock_guard lock(mutex_);
    transferred = writeDone_;
    if (!writePending_) {
        return EINVAL;
    }
    ProgressWrite();
    transferred = writeDone_;
    if (!writeFinished_) {
        return kErrorIoIncomplete;
    }
    writePending_ = false;
    return writeResult_;
}

std::uint32_t PosixSerialDevice::ResetWriteCompletion() {
    std::lock_guard lock(mutex_);
    // A write given up on is dropped; its bytes are not touched again.
    writePending_ = false;
    writeData_ = nullptr;
    return kDeviceOk;
}

void PosixSerialDevice::FillInput() {
    std::uint32_t events = 0;
    for (;;) {
        if (rxHead_ > 0 && rxTail_ == rx_.size()) {
            // Room only at the front: move what waits there.
            std::memmove(rx_.data(), rx_.data() + rxHead_, Waiting());
            rxTail_ -= rxHead_;
            rxHead_ = 0;
        }
        if (rxTail_ >= rx_.size()) {
            break; // the kernel keeps the rest until we have room
        }
        const std::size_t room = rx_.size() - rxTail_;
        const ssize_t n = ::read(fd_, rx_.data() + rxTail_, room);
        if (n > 0) {
            const auto first = rx_.begin() + static_cast<std::ptrdiff_t>(rxTail_);
            auto last = first + n;
            if ((settings_.Flags & kDcbNull) != 0) {
                last = std::remove(first, last, std::uint8_t{0});
            }
            // memchr, not a byte loop: every received byte passes here.
            if (first != last && std::memchr(&*first, static_cast<std::uint8_t>(settings_.EvtChar),
                                             static_cast<std::size_t>(last - first)) != nullptr) {
                events |= kEvRxFlag;
            }
            rxTail_ = static_cast<std::size_t>(last - rx_.begin());
            events |= kEvRxChar;
            // A small read took all there was. A big one means the line outpaces our wake-ups,
            // and more may wait already (a tty hands over at most its 4 KiB line buffer a
            // read): reading on while another big read fits saves a poll and a pass.
            constexpr std::size_t kBigRead = 1024;
            const auto got = static_cast<std::size_t>(n);
            if (got < room && (got < kBigRead || rx_.size() - rxTail_ < kBigRead)) {
                break;
            }
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            break;
        }
        MarkGone(); // EOF or EIO: hung up or unplugged
        break;
    }
    Notify(events);
}

std::uint32_t PosixSerialDevice::StartRead(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& read) {
    std::lock_guard lock(mutex_);
    read = 0;
    if (fd_ < 0) {
        return EBADF;
    }
    const std::size_t n = std::min<std::size_t>(count, Waiting());
    std::memcpy(buffer, rx_.data() + rxHead_, n);
    rxHead_ += n;
    if (rxHead_ == rxTail_) {
        ClearInput();
    }
    read = static_cast<std::uint32_t>(n);
    return kDeviceOk;
}

std::uint32_t PosixSerialDevice::ReadResult(std::uint32_t& transferred) {
    transferred = 0;
    return EINVAL; // reads finish at once from our buffer
}

std::uint32_t PosixSerialDevice::SignalReadCompletion() {
    return kDeviceOk;
}

std::uint32_t PosixSerialDevice::StartWaitEvent(std::uint32_t& mask) {
    std::lock_guard lock(mutex_);
    mask = 0;
    if (fd_ < 0) {
        return EBADF;
    }
    if ((history_ & eventMask_) != 0) {
        mask = history_ & eventMask_;
        history_ = 0;
        return kDeviceOk;
    }
    waitPending_ = true;
    waitDone_ = false;
    return kErrorIoPending;
}

std::uint32_t PosixSerialDevice::EventResult(std::uint32_t& mask) {
    std::lock_guard lock(mutex_);
    mask = 0;
    if (!waitPending_) {
        return EINVAL;
    }
    if (!waitDone_) {
        return kErrorIoIncomplete;
    }
    mask = waitMask_;
    waitPending_ = waitDone_ = false;
    return kDeviceOk;
}

std::uint32_t PosixSerialDevice::SignalEventCompletion() {
    std::lock_guard lock(mutex_);
    if (waitPending_ && !waitDone_) {
        CompleteWait(0);
    }
    return kDeviceOk;
}

std::uint32_t PosixSerialDevice::GetModemStatus(std::uint32_t& status) {
    std::lock_guard lock(mutex_);
    status = lastModemStatus_;
    if (fd_ < 0) {
        return EBADF;
    }
    if (gone_) {
        return kDeviceOk;
    }
    if (modemRefusalReported_ && noModemLines_) {
        status = 0;
        return kDeviceOk;
    }
    int bits = 0;
    if (ioctl(fd_, TIOCMGET, &bits) != 0) {
        const std::uint32_t code = Errno();
        // A tty without modem lines (a pseudo-terminal) says so once; its lines read as low.
        noModemLines_ = code == ENOTTY || code == EINVAL;
        if (!noModemLines_ || !modemRefusalReported_) {
            modemRefusalReported_ = true;
            return code;
        }
        status = 0;
        return kDeviceOk;
    }
    status = ((bits & TIOCM_CTS) ? kMsCtsOn : 0) | ((bits & TIOCM_DSR) ? kMsDsrOn : 0) |
             ((bits & TIOCM_RNG) ? kMsRingOn : 0) | ((bits & TIOCM_CAR) ? kMsRlsdOn : 0);
    const std::uint32_t changed = status ^ lastModemStatus_;
    std::uint32_t events = 0;
    events |= (changed & kMsCtsOn) ? kEvCts : 0;
    events |= (changed & kMsDsrOn) ? kEvDsr : 0;
    events |= (changed & kMsRlsdOn) ? kEvRlsd : 0;
    events |= ((changed & status) & kMsRingOn) ? kEvRing : 0;
    lastModemStatus_ = status;
    Notify(events);
    return kDeviceOk;
}

void PosixSerialDevice::PollLineErrors() {
#ifdef __linux__
    if (!hasCounters_ || fd_ < 0 || gone_) {
        return;
    }
    struct serial_icounter_struct counters {};
    if (ioctl(fd_, TIOCGICOUNT, &counters) != 0) {
        hasCounters_ = false; // the driver keeps none (pseudo-terminals, some adapters)
        return;
    }
    const int now[5] = {counters.frame, counters.overrun, counters.parity, counters.brk, counters.buf_overrun};
    static constexpr std::uint32_t kFlags[5] = {kCeFrame, kCeOverrun, kCeRxParity, kCeBreak, kCeRxOver};
    std::uint32_t events = 0;
    for (int i = 0; i < 5; ++i) {
        if (now[i] != counts_[i]) {
            lineErrors_ |= kFlags[i];
            events |= kFlags[i] == kCeBreak ? kEvBreak : kEvErr;
            counts_[i] = now[i];
        }
    }
    Notify(events);
#else
    hasCounters_ = false;
#endif
}

std::uint32_t PosixSerialDevice::ClearError(SerialDeviceStatus& status) {
    std::lock_guard lock(mutex_);
    status = SerialDeviceStatus{};
    if (fd_ < 0) {
        return EBADF;
    }
    if (gone_ && !goneReported_) {
        goneReported_ = true;
        return EIO;
    }
    PollLineErrors();
    status.Errors = lineErrors_;
    lineErrors_ = 0;
    status.InQueue = static_cast<std::uint32_t>(Waiting());
    if (writePending_ && !writeFinished_) {
        status.OutQueue = writeCount_ - writeDone_;
    }
    // The kernel is asked only while bytes we wrote may still wait there: a receiving
    // port then costs no call per poll.
    int queued = 0;
    if (!gone_ && outputMayBeQueued_ && ioctl(fd_, TIOCOUTQ, &queued) == 0) {
        status.OutQueue += static_cast<std::uint32_t>(std::max(queued, 0));
        outputMayBeQueued_ = queued > 0;
    }
    return kDeviceOk;
}

SerialWaitOutcome PosixSerialDevice::WaitForCompletion(bool read, bool event, std::uint32_t timeoutMs) {
    static_cast<void>(read); // reads never stay outstanding here
    std::unique_lock lock(mutex_);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (event && waitDone_) {
            return {SerialWaitResult::EventDone, 0};
        }
        if (Clock::now() >= deadline) {
            return {SerialWaitResult::TimedOut, 0};
        }
        if (const int error = PollAndService(lock, deadline); error != 0) {
            return {SerialWaitResult::Failed, static_cast<std::uint32_t>(error)};
        }
    }
}

void PosixSerialDevice::AwaitStep(const std::atomic<bool>& done) {
    // StepDone wakes the poll; the slice only bounds a wait whose wake-up went astray.
    constexpr auto kSlice = std::chrono::milliseconds(75);
    std::unique_lock lock(mutex_);
    while (!done.load()) {
        if (PollAndService(lock, Clock::now() + kSlice) != 0) {
            // poll itself refused: nothing to service, so just wait for the step.
            lock.unlock();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            lock.lock();
        }
    }
}

void PosixSerialDevice::StepDone() {
    WakeWorker();
}

int PosixSerialDevice::PollAndService(std::unique_lock<std::mutex>& lock, Clock::time_point until) {
    const bool writing = writePending_ && !writeFinished_;
    if (writing && writeHasDeadline_) {
        until = std::min(until, writeDeadline_);
    }
    pollfd fds[2] = {{wakeRead_, POLLIN, 0}, {-1, 0, 0}};
    nfds_t count = 1;
    const int fd = (fd_ >= 0 && !gone_) ? fd_ : -1;
    if (fd >= 0) {
        short wanted = 0;
        if (Waiting() < rx_.size()) {
            wanted |= POLLIN;
        }
        if (writing) {
            wanted |= POLLOUT;
        }
        fds[1] = {fd, wanted, 0}; // hang-ups are reported whatever is asked for
        count = 2;
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(std::max(until - Clock::now(), Clock::duration{0}));
    inPoll_ = true;
    lock.unlock();
    const int result = ::poll(fds, count, static_cast<int>(left.count()));
    const int pollError = errno;
    lock.lock();
    inPoll_ = false;
    ++pollsEnded_;
    pollEnded_.notify_all();
    for (int stale : closeAfterPoll_) {
        ::close(stale);
    }
    closeAfterPoll_.clear();
    if (result < 0) {
        return pollError == EINTR ? 0 : pollError;
    }
    if (fds[0].revents != 0) {
        DrainWakePipe();
    }
    if (count == 2 && fd == fd_ && !gone_) {
        const short got = fds[1].revents;
        if ((got & POLLIN) != 0) {
            FillInput();
        }
        if ((got & POLLOUT) != 0) {
            ProgressWrite();
        }
        // Whatever could still be read has been read above.
        if (!gone_ && (got & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
            MarkGone();
        }
    }
    if (writePending_ && !writeFinished_ && writeHasDeadline_ && Clock::now() >= writeDeadline_) {
        ProgressWrite();
    }
    return 0;
}

} // namespace zeft
