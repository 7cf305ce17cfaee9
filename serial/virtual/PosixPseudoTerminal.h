#pragma once

#include <cstdint>
#include <string>

namespace zeft {

// Opens a pseudo-terminal for a simulated sender. The master, where the sender talks, is
// non-blocking. The slave, which the program opens by slavePath, is set raw at 9600 baud
// and held open, so that the master never sees the far end gone before the program
// opens the port and a terminal's default echo never reaches the sender. On failure the
// descriptors opened so far are left in master and slave for the caller to close.
bool OpenSenderPseudoTerminal(int& master, int& slave, std::string& slavePath, std::string& errorText);

// The baud rate the program set on the slave, read through the master, so that the
// simulated sender talks at the line's pace; 9600 for a rate it does not know.
std::uint32_t PseudoTerminalBaudRate(int master);

} // namespace zeft
