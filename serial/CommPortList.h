#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zeft {

// Adds the name of every serial port present to strings, skipping names already there
// (compared without regard to letter case); strings is not cleared first: the platform's
// ports (ScanPlatformPorts), then the ports registered with the backend factory, such as
// the virtual sender. Reports nothing: what cannot be read is skipped.
void EnumCommPorts(std::vector<std::string>& strings);

// The platform's own ports, added as EnumCommPorts does. On Windows the ports of the
// registry's device map (Win32CommPortList.cpp); on Linux the serial ttys that sysfs shows
// with a device behind them, as /dev paths (PosixCommPortList.cpp).
void ScanPlatformPorts(std::vector<std::string>& strings);

// Adds a name unless strings holds it already, compared without regard to letter case.
void AddPortName(std::vector<std::string>& strings, const std::string& name);

// The Linux scan over a sysfs tty class folder (normally /sys/class/tty) and a device
// folder (normally /dev): ttyS* only where a UART answers (its "type" is not 0),
// ttyUSB*, ttyACM*, rfcomm* and any other tty with a "device" link, each only when its
// device node exists. Added in name order.
void ScanSysfsTtys(std::vector<std::string>& strings, const std::filesystem::path& ttyClass,
                   const std::filesystem::path& devices);

} // namespace zeft
