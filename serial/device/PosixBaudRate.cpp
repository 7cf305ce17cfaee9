// Kept apart: the kernel's termios2 header cannot share a unit with <termios.h>.
#include "serial/device/PosixBaudRate.h"

#include "base/PosixBaudRates.h"

#include <cerrno>

#ifdef __linux__
#include <asm/termbits.h>
#include <sys/ioctl.h>
#else
#include <termios.h>
#endif

namespace zeft {

#ifdef __linux__

namespace {

// A standard rate goes in as its own constant, so that tools that know only those (stty,
// older programs) read the real speed; any other rate as BOTHER with the number.
tcflag_t StandardSpeed(std::uint32_t baudRate) {
    return static_cast<tcflag_t>(StandardSpeedOfRate(baudRate).value_or(BOTHER));
}

} // namespace

int SetTtyBaudRate(int fd, std::uint32_t baudRate) {
    if (baudRate == 0) {
        return EINVAL; // B0 would hang the line up
    }
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) {
        return errno;
    }
    tio.c_cflag &= ~static_cast<tcflag_t>(CBAUD);
    tio.c_cflag |= StandardSpeed(baudRate);
    tio.c_ispeed = baudRate;
    tio.c_ospeed = baudRate;
    // Input speed follows the output speed.
    tio.c_cflag &= ~static_cast<tcflag_t>(CBAUD << IBSHIFT);
    if (ioctl(fd, TCSETS2, &tio) != 0) {
        return errno;
    }
    return 0;
}

#else

int SetTtyBaudRate(int fd, std::uint32_t baudRate) {
    const std::optional<unsigned long> speed = StandardSpeedOfRate(baudRate);
    if (!speed) {
        return EINVAL;
    }
    struct termios tio {};
    if (tcgetattr(fd, &tio) != 0) {
        return errno;
    }
    cfsetispeed(&tio, static_cast<speed_t>(*speed));
    cfsetospeed(&tio, static_cast<speed_t>(*speed));
    return tcsetattr(fd, TCSANOW, &tio) == 0 ? 0 : errno;
}

#endif

} // namespace zeft
