#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zeft {

// What a port is, as far as the system tells: for a USB adapter the kernel's maker, model,
// serial number and vendor:product pair; for a built-in UART its kind; for the virtual
// sender its own words. Whatever is unknown stays empty.
struct PortDescription {
    std::string name;
    std::optional<std::string> description; // one line a person recognises
    std::optional<std::string> vendorId;    // four hex digits, as sysfs writes them
    std::optional<std::string> productId;
    std::optional<std::string> serial;
    std::optional<std::string> usbInterface; // the adapter's interface number, for multi-port adapters
    std::optional<std::string> stablePath;   // the udev link that follows the adapter to any socket

    // What names the adapter wherever it is plugged in: its /dev/serial/by-id link, else
    // its vendor, product, serial number and interface. Empty when nothing does (built-in
    // ports, adapters without a serial number or link).
    std::string Identity() const;
    // The second line under the description: serial number and USB ids, when known.
    std::string Details() const;
};

// Where the kernel shows its ttys and their device nodes; the system's unless a test
// gives a fake tree.
struct DeviceTree {
    std::filesystem::path ttyClass = "/sys/class/tty";
    std::filesystem::path devices = "/dev";
};

// Describes one port name of the port list.
PortDescription DescribePort(const std::string& name, const DeviceTree& tree = DeviceTree());

// The ports present (EnumCommPorts) with their descriptions.
std::vector<PortDescription> DescribePresentPorts();

// The port to use for a stored name whose adapter had the given identity: the stored
// name while that adapter is still there (or nothing is remembered, or the adapter is not
// found once and only once); otherwise the name under which the adapter came back.
std::string FindRememberedPort(const std::string& storedName, const std::string& identity,
                               const std::vector<PortDescription>& present);

// The sysfs part: filled in for a /dev node of the tree; untouched elsewhere or on Windows.
void DescribeDevicePort(PortDescription& port, const DeviceTree& tree);

} // namespace zeft
