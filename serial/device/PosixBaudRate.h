#pragma once

#include <cstdint>

namespace zeft {

// Sets the line speed of an open tty to any rate (termios2 on Linux, the standard rates
// elsewhere). Returns 0 or an errno value. Call it after tcsetattr, which resets the speed.
int SetTtyBaudRate(int fd, std::uint32_t baudRate);

} // namespace zeft
