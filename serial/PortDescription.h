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
    std::optional<std::string> usbLocation;  // bus and port path ("1-1.2"), as sysfs and by-path show it
    std::optional<std::string> stablePath;   // the udev by-id link, when udev made one

    // What tells this adapter from every other: its vendor, product, serial number and
    // interface; for an adapter without a serial number, its vendor, product and USB
    // socket (two alike cables differ only there). Empty when nothing does (built-in ports).
    std::string Identity() const;
    // The identity is this adapter's, in either form a setting may hold: Identity(), or the
    // by-id link name that older settings kept. A by-id link counts only with a serial
    // number: without one, udev gives alike adapters one link that points at either.
    bool Matches(const std::string& identity) const;
    // The second line under the description: serial number (else the USB socket, "USB
    // 1-1.2") and USB ids, when known.
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

// The port to use for a stored name whose adapter had the given identity: the name under
// which that adapter is present when exactly one present port matches it; otherwise (none,
// or more than one) the stored name, unchanged.
std::string FindRememberedPort(const std::string& storedName, const std::string& identity,
                               const std::vector<PortDescription>& present);

// The sysfs part: filled in for a /dev node of the tree; untouched elsewhere or on Windows.
void DescribeDevicePort(PortDescription& port, const DeviceTree& tree);

} // namespace zeft
