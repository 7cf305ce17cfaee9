#include "serial/virtual/PosixPseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace zeft {

bool OpenSenderPseudoTerminal(int& master, int& slave, std::string& slavePath, std::string& errorText) {
    master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        errorText = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    const char* name = ::ptsname(master);
    if (name == nullptr) {
        errorText = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    slavePath = name;
    slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (slave < 0) {
        errorText = std::string("cannot open ") + slavePath + ": " + std::strerror(errno);
        return false;
    }
    termios mode{};
    if (::tcgetattr(slave, &mode) == 0) {
        ::cfmakeraw(&mode);
        ::cfsetispeed(&mode, B9600);
        ::cfsetospeed(&mode, B9600);
        ::tcsetattr(slave, TCSANOW, &mode);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    return true;
}

std::uint32_t PseudoTerminalBaudRate(int master) {
    termios mode{};
    if (::tcgetattr(master, &mode) != 0) {
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

} // namespace zeft
