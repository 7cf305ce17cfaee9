#pragma once

#include <string>

namespace zeft {

// The Win32 device name of a port: "\\.\" and the first 79 characters of the name.
std::string Win32DeviceName(const std::string& portName);

// The POSIX device path of a port: a name with a slash is a path and stays as it is; a
// bare name such as ttyUSB0 is looked up under /dev.
std::string PosixDevicePath(const std::string& portName);

} // namespace zeft
