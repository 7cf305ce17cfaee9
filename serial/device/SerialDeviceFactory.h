#pragma once

#include "serial/device/SerialDevice.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zeft {

using SerialDeviceMaker = std::function<std::unique_ptr<SerialDevice>()>;

// Chooses the device backend for a port name. Names registered here (such as the virtual
// sender's, which cannot be a device path) get their own backend; every other name gets
// the platform's: Win32 on Windows, termios elsewhere. Register and look up on the main
// thread; registrations last until removed.
class SerialDeviceFactory {
public:
    // Registers a backend for one exact port name, replacing any earlier one.
    static void Register(const std::string& portName, SerialDeviceMaker maker);
    static void Unregister(const std::string& portName);
    // The registered names, in the order registered (for the port list).
    static std::vector<std::string> RegisteredNames();
    // A new, closed device for the port name.
    static std::unique_ptr<SerialDevice> Create(const std::string& portName);
    // The platform's backend.
    static std::unique_ptr<SerialDevice> CreatePlatformDevice();
};

} // namespace zeft
