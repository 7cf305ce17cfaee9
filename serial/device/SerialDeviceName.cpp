#include "serial/device/SerialDeviceName.h"

namespace zeft {

namespace {
constexpr std::size_t kWin32NameLength = 79;
}

std::string Win32DeviceName(const std::string& portName) {
    return "\\\\.\\" + portName.substr(0, kWin32NameLength);
}

std::string PosixDevicePath(const std::string& portName) {
    if (portName.find('/') != std::string::npos) {
        return portName;
    }
    return "/dev/" + portName;
}

} // namespace zeft
