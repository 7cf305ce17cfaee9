#include "serial/PosixSenderBridge.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace zeft {
namespace {

std::int64_t NowUs() {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Unread announcements are flushed from the slave beyond this, so a program that opens
// the port late does not get minutes of them.
constexpr int kMaxUnread = 512;

} // namespace

PosixSenderBridge::PosixSenderBridge(VirtualSenderFaults faults) : sender_(faults) {}

PosixSenderBridge::~PosixSenderBridge() {
    if (slave_ >= 0) {
        ::close(slave_);
    }
    if (master_ >= 0) {
        ::close(master_);
    }
}

bool PosixSenderBridge::Open(std::string& errorText) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        errorText = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    const char* name = ::ptsname(master_);
    if (name == nullptr) {
        errorText = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    slavePath_ = name;
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (slave_ < 0) {
        errorText = std::string("cannot open ") + slavePath_ + ": " + std::strerror(errno);
        return false;
    }
    // Raw from the start: a terminal in its default mode would echo the sender's words
    // back to it.
    termios mode{};
    if (::tcgetattr(slave_, &mode) == 0) {
        ::cfmakeraw(&mode);
        ::cfsetispeed(&mode, B9600);
        ::cfsetospeed(&mode, B9600);
        ::tcsetattr(slave_, TCSANOW, &mode);
    }
    const int flags = ::fcntl(master_, F_GETFL);
    ::fcntl(master_, F_SETFL, flags | O_NONBLOCK);
    sender_.SetIdleAnnouncement(kAnnouncePeriodMs, NowUs());
    return true;
}

std::uint32_t PosixSenderBridge::SlaveBaudRate() const {
    termios mode{};
    if (::tcgetattr(master_, &mode) != 0) {
        return 9600;
    }
    switch (::cfgetospeed(&mode)) {
    case B1200:
        return 1200;
    case B2400:
        return 2400;
    case B4800:
        return 4800;
    case B19200:
        return 19200;
    case B38400:
        return 38400;
    case B57600:
        return 57600;
    case B115200:
        return 115200;
    default:
        return 9600;
    }
}

void PosixSenderBridge::Deliver(const std::string& bytes) {
    int unread = 0;
    if (::ioctl(slave_, FIONREAD, &unread) == 0 && unread > kMaxUnread) {
        ::tcflush(slave_, TCIFLUSH);
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return; // full: nobody reads; what the sender says is lost like on a dead line
        }
        done += static_cast<std::size_t>(n);
    }
}

void PosixSenderBridge::Run() {
    char buffer[256];
    while (!stop_) {
        const std::int64_t now = NowUs();
        std::string out;
        sender_.Collect(now, out);
        if (!out.empty()) {
            Deliver(out);
        }
        int waitMs = 50; // so that Stop is noticed
        if (const auto due = sender_.NextDueUs()) {
            const std::int64_t untilDue = (*due - now + 999) / 1000;
            waitMs = static_cast<int>(std::max<std::int64_t>(0, std::min<std::int64_t>(waitMs, untilDue)));
        }
        pollfd fd{master_, POLLIN, 0};
        const int ready = ::poll(&fd, 1, waitMs);
        if (ready > 0 && (fd.revents & POLLIN) != 0) {
            const ssize_t n = ::read(master_, buffer, sizeof(buffer));
            if (n > 0) {
                sender_.SetBaudRate(SlaveBaudRate());
                sender_.Receive(std::string_view(buffer, static_cast<std::size_t>(n)), NowUs());
            }
        }
    }
}

} // namespace zeft
