#ifndef _WIN32

#include "tests/support/PseudoTerminal.h"

#include "serial/virtual/PosixPseudoTerminal.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <limits>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace zeft::testing {

PseudoTerminal::PseudoTerminal(Slave slave) {
    if (slave == Slave::HeldRaw) {
        if (!OpenSenderPseudoTerminal(master_, slave_, slavePath_, error_)) {
            HangUp();
        }
        return;
    }
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    char name[128];
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
        ::ptsname_r(master_, name, sizeof(name)) != 0) {
        error_ = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        CloseMaster();
        return;
    }
    slavePath_ = name;
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
}

PseudoTerminal::~PseudoTerminal() {
    HangUp();
}

std::uint32_t PseudoTerminal::BaudRate() const {
    return PseudoTerminalBaudRate(master_);
}

void PseudoTerminal::BlockOnMaster() {
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) & ~O_NONBLOCK);
}

void PseudoTerminal::CloseMaster() {
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
}

void PseudoTerminal::HangUp() {
    if (slave_ >= 0) {
        ::close(slave_);
        slave_ = -1;
    }
    CloseMaster();
}

void PseudoTerminal::Write(const std::string& bytes) {
    WriteWithin(bytes, std::numeric_limits<int>::max()); // weeks: until the line takes it all
}

std::size_t PseudoTerminal::WriteWithin(const std::string& bytes, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::size_t done = 0;
    while (done < bytes.size() && std::chrono::steady_clock::now() < end) {
        const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else {
            pollfd fd{master_, POLLOUT, 0};
            ::poll(&fd, 1, 50);
        }
    }
    return done;
}

std::string PseudoTerminal::Read(std::size_t count, int timeoutMs) {
    std::string got;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (got.size() < count && std::chrono::steady_clock::now() < end) {
        pollfd fd{master_, POLLIN, 0};
        if (::poll(&fd, 1, 50) > 0) {
            char buffer[512];
            const ssize_t n = ::read(master_, buffer, sizeof(buffer));
            if (n > 0) {
                got.append(buffer, static_cast<std::size_t>(n));
            }
        }
    }
    return got;
}

} // namespace zeft::testing

#endif
