#include "serial/PosixUsbDoctor.h"

#include "base/AsciiLower.h"
#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <system_error>

namespace zeft {

namespace fs = std::filesystem;

namespace {

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(path, error);
}

// Four hex digits, as sysfs writes ids; udev's PRODUCT variable leaves out leading zeros.
std::string FourDigits(const std::string& hex) {
    return hex.size() >= 4 ? AsciiLower(hex) : std::string(4 - hex.size(), '0') + AsciiLower(hex);
}

// The text inside the quotes after a key such as ATTRS{idVendor}==", or nothing.
std::optional<std::string> Quoted(const std::string& line, const std::string& key) {
    const auto at = line.find(key + "==\"");
    if (at == std::string::npos) {
        return std::nullopt;
    }
    const auto start = at + key.size() + 3;
    const auto end = line.find('"', start);
    return end == std::string::npos ? std::nullopt : std::optional<std::string>(line.substr(start, end - start));
}

bool HexDigits(const std::string& text) {
    return !text.empty() && text.size() <= 4 &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isxdigit(c) != 0; });
}

// vendor:product -> the rules file that claims it, from the braille daemon's rules in
// force: udev reads one file of each name, the one of the earliest folder, so an empty
// file or a link to /dev/null there switches a rule off.
std::map<std::string, std::string> BrailleClaims(const std::vector<fs::path>& folders) {
    std::map<std::string, fs::path> files;
    for (const fs::path& folder : folders) {
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            const std::string name = it->path().filename().string();
            if (name.find("brltty") != std::string::npos && it->path().extension() == ".rules") {
                files.emplace(name, it->path()); // an earlier folder's file stays
            }
        }
    }
    std::map<std::string, std::string> claims;
    for (const auto& [name, file] : files) {
        std::ifstream in(file);
        for (std::string line; std::getline(in, line);) {
            const auto first = line.find_first_not_of(" \t");
            if (first == std::string::npos || line[first] == '#') {
                continue;
            }
            std::optional<std::string> vendor = Quoted(line, "ATTRS{idVendor}");
            std::optional<std::string> product = Quoted(line, "ATTRS{idProduct}");
            if (const auto usbProduct = Quoted(line, "ENV{PRODUCT}")) {
                // "1a86/7523/*": vendor, product and release, in hex without leading zeros.
                const auto slash = usbProduct->find('/');
                const auto second = usbProduct->find('/', slash + 1);
                if (slash != std::string::npos) {
                    vendor = usbProduct->substr(0, slash);
                    product = usbProduct->substr(slash + 1, second == std::string::npos ? second : second - slash - 1);
                }
            }
            if (vendor && product && HexDigits(*vendor) && HexDigits(*product)) {
                claims.emplace(FourDigits(*vendor) + ":" + FourDigits(*product), name);
            }
        }
    }
    return claims;
}

struct UsbInterface {
    fs::path path;
    std::string interfaceClass;
    std::string subClass;
    bool hasDriver = false;
};

std::vector<UsbInterface> InterfacesOf(const fs::path& device) {
    std::vector<UsbInterface> interfaces;
    std::error_code error;
    for (fs::directory_iterator it(device, error), end; !error && it != end; it.increment(error)) {
        if (it->path().filename().string().find(':') != std::string::npos && Exists(it->path() / "bInterfaceNumber")) {
            interfaces.push_back({it->path(), SysfsLine(it->path() / "bInterfaceClass").value_or(""),
                                  SysfsLine(it->path() / "bInterfaceSubClass").value_or(""),
                                  Exists(it->path() / "driver")});
        }
    }
    return interfaces;
}

// A tty under the interface: ttyUSB0 (usb-serial) or tty/ttyACM0 (cdc-acm), a level or two
// down; links (driver, subsystem) are not followed.
bool HasTty(const fs::path& interface) {
    std::error_code error;
    for (fs::recursive_directory_iterator it(interface, error), end; !error && it != end; it.increment(error)) {
        if (it.depth() > 2) {
            it.disable_recursion_pending();
        }
        if (it->path().filename().string().rfind("tty", 0) == 0) {
            return true;
        }
    }
    return false;
}

bool IsAcmControl(const UsbInterface& interface) {
    return interface.interfaceClass == "02" && interface.subClass == "02";
}

std::string Described(const fs::path& device, const std::string& ids) {
    const auto maker = SysfsLine(device / "manufacturer");
    const auto model = SysfsLine(device / "product");
    std::string text = maker && model ? *maker + " " + *model : model ? *model : maker.value_or("");
    return text.empty() ? ids : text + " (" + ids + ")";
}

} // namespace

std::optional<std::string> SysfsLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    if (!std::getline(in, line)) {
        return std::nullopt;
    }
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return std::nullopt;
    }
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

std::optional<TtyOnUsb> UsbOfTty(const fs::path& ttyEntry) {
    std::error_code error;
    fs::path level = fs::canonical(ttyEntry / "device", error);
    // The tty's device is the interface (cdc-acm) or a port below it (usb-serial).
    for (int depth = 0; !error && depth < 3 && level.has_relative_path(); ++depth) {
        if (Exists(level / "bInterfaceClass") && Exists(level.parent_path() / "idVendor")) {
            TtyOnUsb usb;
            usb.interface = level;
            usb.device = level.parent_path();
            usb.vendor = SysfsLine(usb.device / "idVendor").value_or("");
            usb.product = SysfsLine(usb.device / "idProduct").value_or("");
            usb.serial = SysfsLine(usb.device / "serial").value_or("");
            usb.location = usb.device.filename().string();
            const std::string protocol = SysfsLine(level / "bInterfaceProtocol").value_or("");
            // Interface protocols 01 to 06 of the USB communications class are AT command sets.
            usb.speaksAt = SysfsLine(level / "bInterfaceClass") == "02" &&
                           SysfsLine(level / "bInterfaceSubClass") == "02" && protocol.size() == 2 &&
                           protocol[0] == '0' && protocol[1] >= '1' && protocol[1] <= '6';
            return usb;
        }
        level = level.parent_path();
    }
    return std::nullopt;
}

bool MarkedNotAModem(const MachineView& view, const fs::path& ttyEntry, const TtyOnUsb& usb) {
    // udev keeps a device's properties under its kind and numbers: c166:0.
    for (const fs::path& numbers : {ttyEntry / "dev", usb.device / "dev"}) {
        const auto dev = SysfsLine(numbers);
        if (!dev) {
            continue;
        }
        std::ifstream in(view.udevData / ("c" + *dev));
        for (std::string line; std::getline(in, line);) {
            if (line == "E:ID_MM_DEVICE_IGNORE=1") {
                return true;
            }
        }
    }
    return false;
}

void DiagnoseUsbAdapters(const MachineView& view, std::vector<PortFinding>& findings) {
    const std::map<std::string, std::string> claims = BrailleClaims(view.udevRules);
    std::set<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(view.sysfs / "bus" / "usb" / "devices", error), end; !error && it != end;
         it.increment(error)) {
        names.insert(it->path().filename().string());
    }
    for (const std::string& name : names) {
        const fs::path device = view.sysfs / "bus" / "usb" / "devices" / name;
        const auto vendor = SysfsLine(device / "idVendor");
        const auto product = SysfsLine(device / "idProduct");
        if (!vendor || !product) {
            continue; // an interface, or a hub's root
        }
        const std::string ids = FourDigits(*vendor) + ":" + FourDigits(*product);
        const std::vector<UsbInterface> interfaces = InterfacesOf(device);
        const bool anyTty =
            std::any_of(interfaces.begin(), interfaces.end(), [](const UsbInterface& i) { return HasTty(i.path); });
        const std::string where = "USB " + name + " " + ids;
        const auto claim = claims.find(ids);
        if (claim != claims.end()) {
            if (!anyTty) {
                findings.push_back(finding::BrailleDaemon(where, ids, claim->second));
            }
            continue;
        }
        const auto bridge = KnownSerialBridge(*vendor, *product);
        for (const UsbInterface& interface : interfaces) {
            if ((bridge || IsAcmControl(interface)) && !interface.hasDriver) {
                findings.push_back(
                    finding::NoDriver(where, Described(device, ids), bridge ? bridge->module : "cdc_acm"));
                break;
            }
        }
    }
}

} // namespace zeft
