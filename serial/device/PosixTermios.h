#pragma once

#include "serial/device/SerialDevice.h"

#include <cstdint>

#include <termios.h>

namespace zeft {

// Fills tio with the whole termios for the line settings: what they ask for is on and every
// other flag is off, so nothing that the tty's last user left survives. Raw bytes, VMIN 1
// and VTIME 0 (a read of 0 bytes means the device is gone). Only the speed bits are kept:
// SetTtyBaudRate sets the speed right after, and a speed of 0 in between would hang the
// line up. Returns kDeviceOk, or kErrorInvalidParameter for a choice the line cannot take;
// then tio is unchanged.
std::uint32_t BuildTermios(const SerialLineSettings& settings, struct termios& tio);

} // namespace zeft
