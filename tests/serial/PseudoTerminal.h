#pragma once

#include <chrono>
#include <cstdlib>
#include <limits>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace zeft::testing {

// A pseudo-terminal pair: the component opens SlavePath(), the test plays the far end on
// the master side.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool Ok() const { return master_ >= 0; }
    const std::string& SlavePath() const { return slavePath_; }
    void Write(const std::string& bytes);
    // Writes what the line takes within the time; returns how many bytes that was.
    std::size_t WriteWithin(const std::string& bytes, int timeoutMs);
    // Reads until count bytes came or the time is up.
    std::string Read(std::size_t count, int timeoutMs);
    void CloseMaster();

private:
    int master_ = -1;
    std::string slavePath_;
};

inline PseudoTerminal::PseudoTerminal() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        CloseMaster();
        return;
    }
    char name[128];
    if (ptsname_r(master_, name, sizeof(name)) != 0) {
        CloseMaster();
        return;
    }
    slavePath_ = name;
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
}

inline PseudoTerminal::~PseudoTerminal() {
    CloseMaster();
}

inline void PseudoTerminal::CloseMaster() {
    if (master_ >= 0) {
        close(master_);
        master_ = -1;
    }
}

inline void PseudoTerminal::Write(const std::string& bytes) {
    WriteWithin(bytes, std::numeric_limits<int>::max()); // weeks: until the line takes it all
}

inline std::size_t PseudoTerminal::WriteWithin(const std::string& bytes, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::size_t done = 0;
    while (done < bytes.size() && std::chrono::steady_clock::now() < end) {
        const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else {
            pollfd fd{master_, POLLOUT, 0};
            poll(&fd, 1, 50);
        }
    }
    return done;
}

inline std::string PseudoTerminal::Read(std::size_t count, int timeoutMs) {
    std::string got;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (got.size() < count && std::chrono::steady_clock::now() < end) {
        pollfd fd{master_, POLLIN, 0};
        if (poll(&fd, 1, 50) > 0) {
            char buffer[512];
            const ssize_t n = read(master_, buffer, sizeof(buffer));
            if (n > 0) {
                got.append(buffer, static_cast<std::size_t>(n));
            }
        }
    }
    return got;
}

} // namespace zeft::testing
