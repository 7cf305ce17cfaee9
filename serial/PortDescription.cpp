#include "serial/PortDescription.h"

#include "serial/CommPortList.h"
#include "serial/virtual/VirtualSenderPortName.h"

#include <algorithm>
#include <cctype>

namespace zeft {

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::string PortDescription::Identity() const {
    if (stablePath) {
        return "by-id:" + std::filesystem::path(*stablePath).filename().string();
    }
    if (serial && vendorId && productId) {
        return "usb:" + *vendorId + ":" + *productId + ":" + *serial + ":" + usbInterface.value_or("");
    }
    return {};
}

std::string PortDescription::Details() const {
    std::string text;
    if (serial) {
        text = "serial " + *serial;
    }
    if (vendorId && productId) {
        text += (text.empty() ? "USB ID " : ", USB ID ") + *vendorId + ":" + *productId;
    }
    return text;
}

PortDescription DescribePort(const std::string& name, const DeviceTree& tree) {
    PortDescription port;
    port.name = name;
    VirtualSenderFaults faults;
    if (ParseVirtualSenderPortName(name, faults)) {
        port.description = "Sender simulated by this program, no hardware";
        return port;
    }
    DescribeDevicePort(port, tree);
    return port;
}

std::vector<PortDescription> DescribePresentPorts() {
    std::vector<std::string> names;
    EnumCommPorts(names);
    std::vector<PortDescription> ports;
    for (const std::string& name : names) {
        ports.push_back(DescribePort(name));
    }
    return ports;
}

std::string FindRememberedPort(const std::string& storedName, const std::string& identity,
                               const std::vector<PortDescription>& present) {
    if (identity.empty()) {
        return storedName;
    }
    const PortDescription* found = nullptr;
    for (const PortDescription& port : present) {
        if (port.Identity() != identity) {
            continue;
        }
        if (SameName(port.name, storedName)) {
            return storedName;
        }
        if (found != nullptr) {
            // Two alike adapters: no way to tell which one was meant.
            return storedName;
        }
        found = &port;
    }
    return found != nullptr ? found->name : storedName;
}

} // namespace zeft
