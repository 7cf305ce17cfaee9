#include "serial/PortDoctor.h"

#include "main/TextTranslation.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace zeft {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Octal(unsigned mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", mode & 07777U);
    return text;
}

PortFinding Make(const char* id, FindingSeverity severity, const std::string& port, std::string summary,
                 std::string fix) {
    return {id, severity, port, std::move(summary), std::move(fix)};
}

// The serial bridges of cheap USB adapters, and the Linux driver of each.
struct KnownBridge {
    const char* vendor;
    const char* product;
    SerialBridge bridge;
};
const KnownBridge kBridges[] = {
    {"0403", "6001", {"FTDI FT232R", "ftdi_sio"}},
    {"0403", "6010", {"FTDI FT2232", "ftdi_sio"}},
    {"0403", "6011", {"FTDI FT4232", "ftdi_sio"}},
    {"0403", "6014", {"FTDI FT232H", "ftdi_sio"}},
    {"0403", "6015", {"FTDI FT-X", "ftdi_sio"}},
    {"10c4", "ea60", {"Silicon Labs CP210x", "cp210x"}},
    {"10c4", "ea70", {"Silicon Labs CP2105", "cp210x"}},
    {"10c4", "ea71", {"Silicon Labs CP2108", "cp210x"}},
    {"1a86", "7523", {"CH340", "ch341"}},
    {"1a86", "5523", {"CH341", "ch341"}},
    {"1a86", "7522", {"CH340K", "ch341"}},
    {"067b", "2303", {"Prolific PL2303", "pl2303"}},
    {"067b", "23a3", {"Prolific PL2303GC", "pl2303"}},
    {"0557", "2008", {"ATEN UC-232A", "pl2303"}},
};

} // namespace

const char* SeverityWord(FindingSeverity severity) {
    switch (severity) {
    case FindingSeverity::Error:
        return ZEFT_TEXT("Core", "error");
    case FindingSeverity::Warning:
        return ZEFT_TEXT("Core", "warning");
    case FindingSeverity::Info:
        break;
    }
    return ZEFT_TEXT("Core", "info");
}

bool HasErrorFinding(const std::vector<PortFinding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const PortFinding& f) { return f.severity == FindingSeverity::Error; });
}

std::string FixesText(const std::vector<PortFinding>& findings) {
    std::string text;
    for (const PortFinding& f : findings) {
        text += "# " + (f.port.empty() ? std::string() : f.port + ": ") + f.summary + "\n" + f.fix + "\n";
    }
    return text;
}

std::optional<SerialBridge> KnownSerialBridge(const std::string& vendor, const std::string& product) {
    const std::string v = Lower(vendor);
    const std::string p = Lower(product);
    for (const KnownBridge& known : kBridges) {
        if (v == known.vendor && p == known.product) {
            return known.bridge;
        }
    }
    return std::nullopt;
}

DeviceProblemText WindowsDeviceProblem(unsigned long code) {
    const char* const reinstall = "open the Device Manager (devmgmt.msc), right-click the adapter, choose "
                                  "Uninstall device, then plug the adapter in again";
    const char* const install = "install the adapter's driver from its maker (or let Windows Update find it), "
                                "then plug the adapter in again";
    switch (code) {
    case 1:
        return {"it is not configured", reinstall};
    case 10:
        return {"it could not start", reinstall};
    case 12:
        return {"it finds no free resources", reinstall};
    case 14:
        return {"it works only after a restart", "restart the computer"};
    case 18:
    case 19:
        return {"its driver must be installed again", reinstall};
    case 22:
        return {"it is disabled",
                "open the Device Manager (devmgmt.msc), right-click the adapter, choose Enable device"};
    case 24:
    case 45:
        return {"it is not connected", "plug the adapter in again, or into another USB socket"};
    case 28:
        return {"its driver is not installed", install};
    case 31:
    case 37:
    case 39:
        return {"its driver does not load", install};
    case 32:
        return {"its driver's service is disabled", reinstall};
    case 43:
        return {"Windows stopped it because it reported problems",
                "plug the adapter into another USB socket; if that does not help, the adapter is faulty or a copy "
                "its maker's driver refuses"};
    case 48:
    case 52:
        return {"its driver is blocked or not signed", install};
    default:
        break;
    }
    return {"the Device Manager shows a problem (code " + std::to_string(code) + ")", reinstall};
}

namespace finding {

PortFinding NoPermission(const std::string& port, const std::string& group, const std::string& user) {
    return Make("no-permission", FindingSeverity::Error, port,
                port + " may be used by the group \"" + group + "\", and the user " + user + " is not in it.",
                "sudo usermod -aG " + group + " " + user + "   (then log out and log in again)");
}

PortFinding OwnerOnly(const std::string& port, const std::string& owner, unsigned mode) {
    return Make("no-permission", FindingSeverity::Error, port,
                port + " may be used by its owner " + owner + " only (mode " + Octal(mode) + ").",
                "sudo chmod a+rw " + port + "   (lasts until a restart, or until the adapter is plugged in again)");
}

PortFinding GroupNotActive(const std::string& port, const std::string& group, const std::string& user) {
    return Make("group-not-active", FindingSeverity::Error, port,
                "The user " + user + " is in the group \"" + group + "\" that may use " + port +
                    ", but this session started before that and does not have the group yet.",
                "log out and log in again (or restart the computer)");
}

PortFinding PortTaken(const std::string& port, const std::string& holders, const std::string& command,
                      const std::string& pids) {
    return Make("port-taken", FindingSeverity::Error, port, port + " is open in another program: " + holders + ".",
                "close " + command + ", or: kill " + pids);
}

PortFinding Exclusive(const std::string& port) {
    return Make("exclusive", FindingSeverity::Error, port,
                port + " is held in exclusive mode by a program this user cannot see (a service or another "
                       "user's program).",
                "sudo fuser -v " + port + "   (names the program; close it or stop its service)");
}

PortFinding OpenFailed(const std::string& port, const std::string& reason) {
    return Make("open-failed", FindingSeverity::Error, port, port + " does not open: " + reason + ".",
                "unplug the adapter and plug it in again");
}

PortFinding BrailleDaemon(const std::string& device, const std::string& ids, const std::string& rulesFile) {
    return Make("braille-daemon", FindingSeverity::Error, device,
                "The braille display daemon (brltty) claims USB id " + ids + " in its rule " + rulesFile +
                    ", so this adapter's serial port goes away as soon as it is plugged in.",
                "sudo apt remove brltty   (or keep it and disable the rule: sudo ln -s /dev/null "
                "/etc/udev/rules.d/" +
                    rulesFile + ")");
}

PortFinding ModemManager(const std::string& port, const std::string& vendor, const std::string& product) {
    return Make("modem-manager", FindingSeverity::Warning, port,
                "ModemManager is running and takes " + port +
                    " for a modem: it sends the adapter AT commands and holds the port after it is plugged in.",
                "echo 'ATTRS{idVendor}==\"" + vendor + "\", ATTRS{idProduct}==\"" + product +
                    "\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"' | sudo tee /etc/udev/rules.d/99-zeft-not-a-modem.rules"
                    "   (then plug the adapter in again; or: sudo systemctl stop ModemManager)");
}

PortFinding NoDriver(const std::string& device, const std::string& what, const std::string& module) {
    return Make("no-driver", FindingSeverity::Error, device,
                "The USB serial adapter " + what + " has no driver, so it has no serial port.",
                "sudo modprobe " + module);
}

PortFinding NoPorts() {
    return Make("no-ports", FindingSeverity::Error, std::string(), "No serial port was found.",
                "plug in the adapter (check its cable, try another USB socket), then run this again");
}

PortFinding MissingPort(const std::string& port, const std::vector<std::string>& present) {
    std::string list;
    for (const std::string& name : present) {
        list += (list.empty() ? "" : ", ") + name;
    }
    return Make("missing-port", FindingSeverity::Error, port, port + " is not there.",
                list.empty() ? std::string("plug in the adapter")
                             : "plug in the adapter, or choose a port that is there: " + list);
}

PortFinding DeviceProblem(const std::string& device, unsigned long code) {
    const DeviceProblemText text = WindowsDeviceProblem(code);
    return Make("device-problem", FindingSeverity::Error, device, device + " does not work: " + text.words + ".",
                text.fix);
}

PortFinding PortInUse(const std::string& port) {
    return Make("port-in-use", FindingSeverity::Error, port, port + " is in use by another program.",
                "close the program that uses " + port + " (a terminal program, an IDE's serial monitor)");
}

} // namespace finding

} // namespace zeft
