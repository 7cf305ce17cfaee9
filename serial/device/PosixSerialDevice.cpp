#include "serial/device/PosixSerialDevice.h"

#include "base/Errno.h"
#include "serial/device/PosixBaudRate.h"
#include "serial/device/PosixTermios.h"
#include "serial/device/SerialDeviceName.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#ifdef __linux__
#include <linux/serial.h>
#endif

namespace zeft {

namespace {

void SetNonBlockingCloexec(int fd) {
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    fcntl(fd, F_SETFD, FD_CLOEXEC);
}

} // namespace

PosixSerialDevice::PosixSerialDevice() : rx_(4096) {
    int fds[2];
    if (pipe(fds) != 0) {
        wakeError_ = Errno();
        return;
    }
    wakeRead_ = fds[0];
    wakeWrite_ = fds[1];
    SetNonBlockingCloexec(wakeRead_);
    SetNonBlockingCloexec(wakeWrite_);
}

PosixSerialDevice::~PosixSerialDevice() {
    Close();
    for (int fd : {wakeRead_, wakeWrite_}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    for (int fd : closeAfterPoll_) {
        ::close(fd);
    }
}

std::uint32_t PosixSerialDevice::Open(const std::string& portName) {
    std::lock_guard lock(mutex_);
    if (wakeError_ != 0) {
        return wakeError_;
    }
    if (fd_ >= 0) {
        return EBUSY;
    }
    path_ = PosixDevicePath(portName);
    const int fd = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return Errno();
    }
    std::uint32_t code = 0;
    ownTerminal_ = false;
    if (!isatty(fd)) {
        code = ENOTTY;
    } else if (tcgetsid(fd) >= 0) {
        // Our own controlling terminal (/dev/tty, or the pts it stands for): raw mode and
        // a new speed would wreck the user's session.
        ownTerminal_ = true;
        code = EBUSY;
    } else if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        code = errno == EWOULDBLOCK ? EBUSY : Errno();
    }
    if (code != 0) {
        ::close(fd);
        return code;
    }
    // Keeps other programs out; root passes it, the lock above still holds.
    ioctl(fd, TIOCEXCL);
    fd_ = fd;
    gone_ = goneReported_ = modemRefusalReported_ = noModemLines_ = false;
    lastModemStatus_ = 0;
    ClearInput();
    lineErrors_ = 0;
    writePending_ = writeFinished_ = outputMayBeQueued_ = false;
    eventMask_ = history_ = 0;
    waitPending_ = waitDone_ = false;
    timeouts_ = SerialTimeouts{};
    hasCounters_ = true;
    PollLineErrors(); // the counters' starting point
    lineErrors_ = 0;
    history_ = 0;
    code = ApplyTermios(settings_);
    if (code != 0) {
        ::close(fd_);
        fd_ = -1;
    }
    return code;
}

std::uint32_t PosixSerialDevice::Close() {
    std::unique_lock lock(mutex_);
    if (fd_ < 0) {
        return EBADF;
    }
    if (writePending_ && !writeFinished_) {
        FinishWrite(kErrorOperationAborted);
    }
    if (waitPending_ && !waitDone_) {
        CompleteWait(0);
    }
    const int fd = fd_;
    if (!gone_) {
        // Exclusive mode lives in the tty, not in our descriptor: left set, it would keep
        // every other user out for as long as anybody else still holds the port.
        ioctl(fd, TIOCNXCL);
    }
    fd_ = -1;
    ClearInput();
    WakeWorker();
    // A poll in progress holds the tty's file (and with it our lock) until it returns, so
    // the close waits for the worker to come out of it: the port must be free for the
    // next open the moment the close returns, even when the close gave up on the worker.
    constexpr auto kPollLeaveLimit = std::chrono::seconds(2);
    const std::uint64_t polls = pollsEnded_;
    if (inPoll_ && !pollEnded_.wait_for(lock, kPollLeaveLimit, [&] { return !inPoll_ || pollsEnded_ != polls; })) {
        // The worker is stuck in the poll and the tty's file with it. Our lock goes now, so
        // that the port is free as the close returns; the descriptor is closed when the poll
        // has returned, its number taken until then, so that no new one is mistaken for it.
        ::flock(fd, LOCK_UN);
        closeAfterPoll_.push_back(fd);
        return kDeviceOk;
    }
    ::close(fd);
    return kDeviceOk;
}

std::uint32_t PosixSerialDevice::NativeHandle() const {
    std::lock_guard lock(mutex_);
    return fd_ < 0 ? kNoDeviceHandle : static_cast<std::uint32_t>(fd_);
}

namespace {

// Joining the node's group helps only when the group may read and write it; a node open to
// its owner alone needs its owner (or a udev rule), and saying "join the group" would send
// the user the wrong way.
std::string PermissionHint(const std::string& path, const struct stat& info) {
    constexpr mode_t kGroupReadWrite = S_IRGRP | S_IWGRP;
    if ((info.st_mode & kGroupReadWrite) != kGroupReadWrite) {
        struct passwd entry {};
        struct passwd* found = nullptr;
        char buffer[1024];
        const std::string owner = getpwuid_r(info.st_uid, &entry, buffer, sizeof(buffer), &found) == 0 && found
                                      ? found->pw_name
                                      : std::to_string(info.st_uid);
        return " (" + path + " may be opened by its owner \"" + owner + "\" only)";
    }
    struct group entry {};
    struct group* found = nullptr;
    char buffer[1024];
    if (getgrgid_r(info.st_gid, &entry, buffer, sizeof(buffer), &found) == 0 && found) {
        return " (" + path + " belongs to the group \"" + found->gr_name + "\": add your user to it and log in again)";
    }
    return {};
}

} // namespace

std::string PosixSerialDevice::ErrorText(std::uint32_t code) const {
    std::string text = std::error_code(static_cast<int>(code), std::generic_category()).message();
    std::lock_guard lock(mutex_);
    if (code == EACCES || code == EPERM) {
        struct stat info {};
        if (::stat(path_.c_str(), &info) == 0) {
            text += PermissionHint(path_, info);
        }
    } else if (code == EBUSY && ownTerminal_) {
        text += " (" + path_ + " is the terminal this program runs in, not a serial port)";
    } else if (code == EBUSY) {
        text += " (" + path_ + " is in use by another program)";
    } else if (code == ENOTTY) {
        text += " (" + path_ + " is not a serial port)";
    } else if (code == ENOENT) {
        text += " (" + path_ + " is not there; is the adapter plugged in?)";
    }
    return text;
}

std::uint32_t PosixSerialDevice::CheckUsable() const {
    if (fd_ < 0) {
        return EBADF;
    }
    return gone_ ? EIO : kDeviceOk;
}

std::uint32_t PosixSerialDevice::SetQueueSizes(std::uint32_t rxSize, std::uint32_t txSize) {
    std::lock_guard lock(mutex_);
    if (fd_ < 0) {
        return EBADF;
    }
    if (rxSize == 0 || txSize == 0) {
        return kErrorInvalidParameter;
    }
    // The kernel keeps its own output buffer. Bytes already waiting are kept.
    std::vector<std::uint8_t> resized(std::max<std::size_t>(rxSize, Waiting()));
    std::copy(rx_.begin() + static_cast<std::ptrdiff_t>(rxHead_), rx_.begin() + static_cast<std::ptrdiff_t>(rxTail_),
              resized.begin());
    rxTail_ = Waiting();
    rxHead_ = 0;
    rx_ = std::move(resized);
    return kDeviceOk;
}

std::uint32_t PosixSerialDevice::GetLineSettings(SerialLineSettings& settings) {
    std::lock_guard lock(mutex_);
    if (fd_ < 0) {
        return EBADF;
    }
    settings = settings_;
    return kDeviceOk;
}

std::uint32_t PosixSerialDevice::SetLineSettings(const SerialLineSettings& settings) {
    std::lock_guard lock(mutex_);
    if (const std::uint32_t code = CheckUsable(); code != kDeviceOk) {
        return code;
    }
    const std::uint32_t code = ApplyTermios(settings);
    if (code == kDeviceOk) {
        settings_ = settings;
    }
    return code;
}

// Written whole every time: a tty keeps what its last user left, so nothing is taken over.
std::uint32_t PosixSerialDevice::ApplyTermios(const SerialLineSettings& settings) {
    struct termios tio {};
    if (tcgetattr(fd_, &tio) != 0) {
        return Errno();
    }
    if (const std::uint32_t code = BuildTermios(settings, tio); code != kDeviceOk) {
        return code;
    }
    if (tcsetattr(fd_, TCSANOW, &tio) != 0) {
        return Errno();
    }
    const int code = SetTtyBaudRate(fd_, settings.BaudRate);
    if (code == EINVAL) {
        return kErrorInvalidParameter;
    }
    return static_cast<std::uint32_t>(code);
}

std::uint32_t PosixSerialDevice::GetTimeouts(SerialTimeouts& timeouts) {
    std::lock_guard lock(mutex_);
    if (fd_ < 0) {
        return EBADF;
    }
    timeouts = timeouts_;
    return kDeviceOk;
}

std::uint32_t PosixSerialDevice::SetTimeouts(const SerialTimeouts& timeouts) {
    std::lock_guard lock(mutex_);
    if (fd_ < 0) {
        return EBADF;
    }
    timeouts_ = timeouts;
    return kDeviceOk;
}

std::uint32_t PosixSerialDevice::SetEventMask(std::uint32_t mask) {
    std::lock_guard lock(mutex_);
    if (fd_ < 0) {
        return EBADF;
    }
    eventMask_ = mask;
    history_ = 0;
    if (waitPending_ && !waitDone_) {
        CompleteWait(0);
    }
    WakeWorker();
    return kDeviceOk;
}

std::uint32_t PosixSerialDevice::Purge(std::uint32_t flags) {
    std::lock_guard lock(mutex_);
    if (fd_ < 0) {
        return EBADF;
    }
    if ((flags & kPurgeTxAbort) != 0 && writePending_ && !writeFinished_) {
        FinishWrite(kErrorOperationAborted);
    }
    if ((flags & kPurgeRxClear) != 0) {
        ClearInput();
    }
    if (!gone_) {
        if ((flags & kPurgeRxClear) != 0) {
            tcflush(fd_, TCIFLUSH);
        }
        if ((flags & kPurgeTxClear) != 0) {
            tcflush(fd_, TCOFLUSH);
        }
    }
    WakeWorker();
    return kDeviceOk;
}

std::uint32_t PosixSerialDevice::SetLine(SerialLine line) {
    std::lock_guard lock(mutex_);
    if (const std::uint32_t code = CheckUsable(); code != kDeviceOk) {
        return code;
    }
    const bool raise = line == SerialLine::SetRts || line == SerialLine::SetDtr;
    int bits = (line == SerialLine::SetRts || line == SerialLine::ClearRts) ? TIOCM_RTS : TIOCM_DTR;
    return ioctl(fd_, raise ? TIOCMBIS : TIOCMBIC, &bits) == 0 ? kDeviceOk : Errno();
}

std::uint32_t PosixSerialDevice::SetBreak(bool on) {
    std::lock_guard lock(mutex_);
    if (const std::uint32_t code = CheckUsable(); code != kDeviceOk) {
        return code;
    }
    return ioctl(fd_, on ? TIOCSBRK : TIOCCBRK) == 0 ? kDeviceOk : Errno();
}

} // namespace zeft
