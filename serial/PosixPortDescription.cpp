#include "serial/PortDescription.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace zeft {

namespace fs = std::filesystem;

namespace {

// A sysfs attribute's first line, trimmed; nothing when absent or blank.
std::optional<std::string> Attribute(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    if (!std::getline(in, line)) {
        return std::nullopt;
    }
    const auto first = line.find_first_not_of(" \t\r");
    const auto last = line.find_last_not_of(" \t\r");
    if (first == std::string::npos) {
        return std::nullopt;
    }
    return line.substr(first, last - first + 1);
}

// The 8250 driver's port types (the kernel's serial.h), as a person names the chip.
std::string UartKind(const std::optional<std::string>& type) {
    static const char* const kNames[] = {"",       "8250",  "16450",   "16550", "16550A",
                                         "Cirrus", "16650", "16650V2", "16750", "Startech",
                                         "16C950", "16654", "16850",   "RSA",   "NS16550A"};
    if (type) {
        for (std::size_t i = 1; i < std::size(kNames); ++i) {
            if (*type == std::to_string(i)) {
                return std::string(kNames[i]) + " UART";
            }
        }
    }
    return "UART";
}

std::string Describe(const std::optional<std::string>& maker, const std::optional<std::string>& model) {
    if (maker && model) {
        // Some adapters repeat their maker in the model name.
        return model->rfind(*maker, 0) == 0 ? *model : *maker + " " + *model;
    }
    if (model || maker) {
        return model ? *model : *maker + " USB serial adapter";
    }
    return "USB serial adapter";
}

// The USB device above a tty's device: the first ancestor with a vendor id, a few levels
// up (port, interface, device). The interface is the level just below it.
bool DescribeUsb(PortDescription& port, const fs::path& device) {
    std::error_code error;
    fs::path level = fs::canonical(device, error);
    if (error) {
        return false;
    }
    fs::path below;
    for (int depth = 0; depth < 4 && level.has_relative_path(); ++depth) {
        if (fs::exists(level / "idVendor", error)) {
            port.vendorId = Attribute(level / "idVendor");
            port.productId = Attribute(level / "idProduct");
            port.serial = Attribute(level / "serial");
            if (!below.empty()) {
                port.usbInterface = Attribute(below / "bInterfaceNumber");
            }
            // The USB device's own folder is named after its bus and port path.
            port.usbLocation = level.filename().string();
            port.description = Describe(Attribute(level / "manufacturer"), Attribute(level / "product"));
            return true;
        }
        below = level;
        level = level.parent_path();
    }
    return false;
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

// The by-id link that leads to the node, if udev made one.
std::optional<std::string> StableLink(const fs::path& node, const fs::path& devices) {
    std::error_code error;
    const fs::path target = fs::canonical(node, error);
    if (error) {
        return std::nullopt;
    }
    std::vector<fs::path> links;
    for (fs::directory_iterator it(devices / "serial" / "by-id", error), end; !error && it != end;
         it.increment(error)) {
        std::error_code linkError;
        if (fs::canonical(it->path(), linkError) == target && !linkError) {
            links.push_back(it->path());
        }
    }
    if (links.empty()) {
        return std::nullopt;
    }
    return std::min_element(links.begin(), links.end())->string();
}

} // namespace

void DescribeDevicePort(PortDescription& port, const DeviceTree& tree) {
    const fs::path node(port.name);
    if (node.parent_path() != tree.devices) {
        return;
    }
    const std::string tty = node.filename().string();
    const fs::path entry = tree.ttyClass / tty;
    std::error_code error;
    if (!fs::exists(entry, error)) {
        return;
    }
    port.stablePath = StableLink(node, tree.devices);
    const bool hasDevice = fs::exists(entry / "device", error);
    if (hasDevice && DescribeUsb(port, entry / "device")) {
        return;
    }
    if (StartsWith(tty, "ttyS")) {
        port.description = "Built-in serial port, " + UartKind(Attribute(entry / "type"));
    } else if (StartsWith(tty, "rfcomm")) {
        port.description = "Bluetooth serial port (RFCOMM)";
    } else if (hasDevice) {
        const fs::path driver = fs::canonical(entry / "device" / "driver", error);
        port.description = error ? std::string("Serial port") : "Serial port, driver " + driver.filename().string();
    }
}

} // namespace zeft
