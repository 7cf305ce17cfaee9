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

namespace {

// A standard rate goes in as its own constant, so that tools that know only those (stty,
// older programs) read the real speed; any other rate as BOTHER with the number.
tcflag_t StandardSpeed(std::uint32_t baudRate) {
    static const struct {
        std::uint32_t rate;
        tcflag_t speed;
    } kRates[] = {
        {50, B50},           {75, B75},           {110, B110},         {134, B134},         {150, B150},
        {200, B200},         {300, B300},         {600, B600},         {1200, B1200},       {1800, B1800},
        {2400, B2400},       {4800, B4800},       {9600, B9600},       {19200, B19200},     {38400, B38400},
        {57600, B57600},     {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
        {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000},
        {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000}, {3500000, B3500000}, {4000000, B4000000}};
    for (const auto& entry : kRates) {
        if (entry.rate == baudRate) {
            return entry.speed;
        }
    }
    return BOTHER;
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
