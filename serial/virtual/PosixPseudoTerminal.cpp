#include "serial/virtual/PosixPseudoTerminal.h"

#include "base/PosixBaudRates.h"

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
    return RateOfStandardSpeed(::cfgetospeed(&mode)).value_or(9600);
}

} // namespace zeft
