// Kept apart: the kernel's termios2 header cannot share a unit with <termios.h>.
#include "serial/device/PosixBaudRate.h"

#include <cerrno>

#ifdef __linux__
#include <asm/termbits.h>
#include <sys/ioctl.h>
#else
#include <termios.h>
#endif

namespace zeft {

#ifdef __linux__

int SetTtyBaudRate(int fd, std::uint32_t baudRate) {
    if (baudRate == 0) {
        return EINVAL; // B0 would hang the line up
    }
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) {
        return errno;
    }
    tio.c_cflag &= ~static_cast<tcflag_t>(CBAUD);
    tio.c_cflag |= BOTHER;
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
    static const struct {
        std::uint32_t rate;
        speed_t speed;
    } kRates[] = {{50, B50},       {75, B75},         {110, B110},      {134, B134},     {150, B150},
                  {200, B200},     {300, B300},       {600, B600},      {1200, B1200},   {1800, B1800},
                  {2400, B2400},   {4800, B4800},     {9600, B9600},    {19200, B19200}, {38400, B38400},
                  {57600, B57600}, {115200, B115200}, {230400, B230400}};
    for (const auto& entry : kRates) {
        if (entry.rate == baudRate) {
            struct termios tio {};
            if (tcgetattr(fd, &tio) != 0) {
                return errno;
            }
            cfsetispeed(&tio, entry.speed);
            cfsetospeed(&tio, entry.speed);
            return tcsetattr(fd, TCSANOW, &tio) == 0 ? 0 : errno;
        }
    }
    return EINVAL;
}

#endif

} // namespace zeft
