#include "serial/PortDescription.h"

#include "seams/TextTranslation.h"
#include "serial/CommPortList.h"
#include "serial/virtual/VirtualSenderPortName.h"

namespace zeft {

std::string PortDescription::Identity() const {
    if (!vendorId || !productId) {
        return {};
    }
    const std::string ids = *vendorId + ":" + *productId + ":";
    if (serial) {
        return "usb:" + ids + *serial + ":" + usbInterface.value_or("");
    }
    if (usbLocation) {
        return "usb-port:" + ids + *usbLocation + ":" + usbInterface.value_or("");
    }
    return {};
}

bool PortDescription::Matches(const std::string& identity) const {
    if (identity.empty()) {
        return false;
    }
    if (identity == Identity()) {
        return true;
    }
    const std::string byId = "by-id:";
    if (!serial || identity.rfind(byId, 0) != 0) {
        return false;
    }
    const std::string link = identity.substr(byId.size());
    if (stablePath) {
        return std::filesystem::path(*stablePath).filename().string() == link;
    }
    // udev has not made the link (yet): its name holds the serial number and interface.
    return link.find("_" + *serial + "-if" + usbInterface.value_or("")) != std::string::npos;
}

std::string PortDescription::Details() const {
    std::string text;
    if (serial) {
        text = "serial " + *serial;
    } else if (usbLocation) {
        text = "USB " + *usbLocation;
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
        port.description = ZEFT_TEXT("Core", "Sender simulated by this program, no hardware");
        return port;
    }
    if (VirtualProductionLineSetup setup; ParseVirtualProductionLinePortName(name, setup)) {
        port.description = ZEFT_TEXT("Core", "Senders simulated by this program one after another, no hardware");
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
    const PortDescription* found = nullptr;
    for (const PortDescription& port : present) {
        if (!port.Matches(identity)) {
            continue;
        }
        if (found != nullptr) {
            // Two adapters answer to it: no way to tell which one was meant.
            return storedName;
        }
        found = &port;
    }
    return found != nullptr ? found->name : storedName;
}

} // namespace zeft
