#include "serial/virtual/PosixSenderBridge.h"

#include "serial/virtual/PosixPseudoTerminal.h"

#include <algorithm>
#include <cerrno>
#include <chrono>

#include <poll.h>
#include <sys/inotify.h>
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
    if (openings_ >= 0) {
        ::close(openings_);
    }
    if (slave_ >= 0) {
        ::close(slave_);
    }
    if (master_ >= 0) {
        ::close(master_);
    }
}

bool PosixSenderBridge::Open(std::string& errorText) {
    if (!OpenSenderPseudoTerminal(master_, slave_, slavePath_, errorText)) {
        return false;
    }
    sender_.SetIdleAnnouncement(kAnnouncePeriodMs, NowUs());
    // Added after the bridge's own opening. Without it the sender only announces itself
    // when idle, which a program may miss.
    openings_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (openings_ >= 0 && ::inotify_add_watch(openings_, slavePath_.c_str(), IN_OPEN | IN_CLOSE) < 0) {
        ::close(openings_);
        openings_ = -1;
    }
    return true;
}

void PosixSenderBridge::TakeOpenings(std::int64_t nowUs) {
    alignas(inotify_event) char events[1024];
    for (;;) {
        const ssize_t n = ::read(openings_, events, sizeof events);
        if (n <= 0) {
            return;
        }
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            if ((event->mask & IN_OPEN) != 0 && othersOpen_++ == 0) {
                // The first program in: power the sender up afresh. What it said to nobody
                // before is gone, as from a sender that was off.
                ::tcflush(slave_, TCIFLUSH);
                sender_.SetPower(false, nowUs);
                sender_.SetPower(true, nowUs);
            } else if ((event->mask & IN_CLOSE) != 0 && othersOpen_ > 0) {
                --othersOpen_;
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

std::uint32_t PosixSenderBridge::SlaveBaudRate() const {
    return PseudoTerminalBaudRate(master_);
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
        pollfd fds[2] = {{master_, POLLIN, 0}, {openings_, POLLIN, 0}};
        const int ready = ::poll(fds, openings_ >= 0 ? 2 : 1, waitMs);
        if (ready > 0 && (fds[1].revents & POLLIN) != 0) {
            TakeOpenings(NowUs());
        }
        if (ready > 0 && (fds[0].revents & POLLIN) != 0) {
            const ssize_t n = ::read(master_, buffer, sizeof(buffer));
            if (n > 0) {
                sender_.SetBaudRate(SlaveBaudRate());
                sender_.Receive(std::string_view(buffer, static_cast<std::size_t>(n)), NowUs());
            }
        }
    }
}

} // namespace zeft
