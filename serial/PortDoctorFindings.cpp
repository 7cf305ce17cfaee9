#include "serial/PortDoctor.h"
#include "serial/PortDoctorShell.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>

namespace zeft::finding {

namespace {

std::string Octal(unsigned mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", mode & 07777U);
    return text;
}

PortFinding Make(const char* id, FindingSeverity severity, const std::string& port, std::string summary,
                 std::string fix, std::string note = {}) {
    return {id, severity, port, std::move(summary), std::move(fix), std::move(note)};
}

bool AllOf(const std::string& text, bool (*allowed)(unsigned char)) {
    return !text.empty() && text.size() <= 64 && std::all_of(text.begin(), text.end(), allowed);
}
bool HexDigit(unsigned char c) {
    return std::isxdigit(c) != 0;
}
bool LocationChar(unsigned char c) {
    return std::isdigit(c) != 0 || c == '.' || c == '-';
}
// What a rule and a file name may hold without quoting or glob characters.
bool WordChar(unsigned char c) {
    return std::isalnum(c) != 0 || c == '.' || c == '_' || c == '-';
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A rule's match keys for one adapter, and the name its file takes from them.
struct RuleMatch {
    std::string keys;
    std::string name;
};

// Nothing when no part of the identity can be written into a rule as it stands.
std::optional<RuleMatch> MatchOf(const AdapterIdentity& adapter) {
    const bool usb = adapter.vendor.size() == 4 && adapter.product.size() == 4 && AllOf(adapter.vendor, HexDigit) &&
                     AllOf(adapter.product, HexDigit);
    if (usb) {
        const std::string ids = Lower(adapter.vendor) + "-" + Lower(adapter.product);
        const std::string keys =
            "ATTRS{idVendor}==\"" + Lower(adapter.vendor) + "\", ATTRS{idProduct}==\"" + Lower(adapter.product) + "\"";
        if (AllOf(adapter.serial, WordChar)) {
            return RuleMatch{keys + ", ATTRS{serial}==\"" + adapter.serial + "\"", ids + "-" + adapter.serial};
        }
        if (AllOf(adapter.location, LocationChar)) {
            // Keys of one parent match on the same device: the location is the USB device's name.
            return RuleMatch{"KERNELS==\"" + adapter.location + "\", " + keys, ids + "-at-" + adapter.location};
        }
    }
    if (AllOf(adapter.kernel, WordChar)) {
        return RuleMatch{"KERNEL==\"" + adapter.kernel + "\"", adapter.kernel};
    }
    return std::nullopt;
}

// Writes the rule to its own file (one per adapter and purpose) and applies it to the port.
std::string RuleFix(const std::string& file, const std::string& rule, const std::string& kernel) {
    return "printf '%s\\n' " + ShellQuoted(rule) + " | sudo tee " + ShellPath("/etc/udev/rules.d/" + file) +
           " >/dev/null\nsudo udevadm control --reload-rules\nsudo udevadm trigger --action=add --sysname-match=" +
           ShellQuoted(kernel);
}

std::string JoinGroup(const std::string& group, const std::string& user) {
    return "sudo usermod -aG " + ShellQuoted(group) + (user.rfind('-', 0) == 0 ? " -- " : " ") + ShellQuoted(user);
}

const char* const kLogInAgain = "then log out and log in again";

PortFinding AccessFinding(const std::string& port, std::string summary, const AccessRule& rule) {
    const std::string grant = rule.serialGroup.empty() ? std::string("TAG+=\"uaccess\"")
                                                       : "GROUP=\"" + rule.serialGroup + "\", MODE=\"0660\"";
    const auto match = MatchOf(rule.adapter);
    if (!match) {
        return Make("no-permission", FindingSeverity::Error, port, std::move(summary), std::string(),
                    "give the port to the serial group with a udev rule that sets " + grant);
    }
    std::string fix = RuleFix("70-zeft-port-" + match->name + ".rules",
                              "SUBSYSTEM==\"tty\", " + match->keys + ", " + grant, rule.adapter.kernel);
    std::string note;
    if (!rule.serialGroup.empty() && !rule.joiner.empty()) {
        fix += "\n" + JoinGroup(rule.serialGroup, rule.joiner);
        note = kLogInAgain;
    }
    return Make("no-permission", FindingSeverity::Error, port, std::move(summary), std::move(fix), std::move(note));
}

std::string List(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) {
        list += (list.empty() ? "" : ", ") + name;
    }
    return list;
}

std::string ChooseAnother(const std::vector<std::string>& present) {
    return present.empty() ? std::string("plug in the adapter")
                           : "plug in the adapter, or choose a port that is there: " + List(present);
}

} // namespace

PortFinding NoPermission(const std::string& port, const std::string& group, const std::string& user) {
    return Make("no-permission", FindingSeverity::Error, port,
                port + " may be used by the group \"" + group + "\", and the user " + user + " is not in it.",
                JoinGroup(group, user), kLogInAgain);
}

PortFinding ForeignGroup(const std::string& port, const std::string& group, const std::string& user,
                         const AccessRule& rule) {
    return AccessFinding(
        port, port + " may be used by the group \"" + group + "\", and the user " + user + " is not in it.", rule);
}

PortFinding OwnerOnly(const std::string& port, const std::string& owner, unsigned mode, const AccessRule& rule) {
    return AccessFinding(port, port + " may be used by its owner " + owner + " only (mode " + Octal(mode) + ").", rule);
}

PortFinding GroupNotActive(const std::string& port, const std::string& group, const std::string& user) {
    return Make("group-not-active", FindingSeverity::Error, port,
                "The user " + user + " is in the group \"" + group + "\" that may use " + port +
                    ", but this session started before that and does not have the group yet.",
                std::string(), "log out and log in again (or restart the computer)");
}

PortFinding PortTaken(const std::string& port, const std::string& holders, const std::string& command,
                      const std::string& pids) {
    return Make("port-taken", FindingSeverity::Error, port, port + " is open in another program: " + holders + ".",
                "kill " + pids, "or close " + command);
}

PortFinding Exclusive(const std::string& port) {
    return Make("exclusive", FindingSeverity::Error, port,
                port + " is held in exclusive mode by a program this user cannot see (a service or another "
                       "user's program).",
                "sudo fuser -v " + ShellPath(port), "fuser names the program; close it or stop its service");
}

PortFinding OpenFailed(const std::string& port, const std::string& reason) {
    return Make("open-failed", FindingSeverity::Error, port, port + " does not open: " + reason + ".", std::string(),
                "unplug the adapter and plug it in again");
}

PortFinding BrailleDaemon(const std::string& device, const std::string& ids, const std::string& rulesFile) {
    return Make("braille-daemon", FindingSeverity::Error, device,
                "The braille display daemon (brltty) claims USB id " + ids + " in its rule " + rulesFile +
                    ", so this adapter's serial port goes away as soon as it is plugged in.",
                "sudo ln -s /dev/null " + ShellPath("/etc/udev/rules.d/" + rulesFile) +
                    "\nsudo udevadm control --reload-rules",
                "then plug the adapter in again; where no braille display is used, removing brltty does too");
}

PortFinding ModemManager(const std::string& port, const AdapterIdentity& adapter) {
    const std::string summary = "ModemManager is running and takes " + port +
                                " for a modem: it sends the adapter AT commands and holds the port after it is "
                                "plugged in.";
    const char* const stop = "or stop ModemManager: sudo systemctl stop ModemManager";
    const auto match = MatchOf(adapter);
    if (!match) {
        return Make("modem-manager", FindingSeverity::Warning, port, summary, std::string(), stop);
    }
    return Make("modem-manager", FindingSeverity::Warning, port, summary,
                RuleFix("99-zeft-not-a-modem-" + match->name + ".rules",
                        match->keys + ", ENV{ID_MM_DEVICE_IGNORE}=\"1\"", adapter.kernel),
                std::string("then plug the adapter in again; ") + stop);
}

PortFinding NoDriver(const std::string& device, const std::string& what, const std::string& module) {
    return Make("no-driver", FindingSeverity::Error, device,
                "The USB serial adapter " + what + " has no driver, so it has no serial port.",
                "sudo modprobe " + ShellQuoted(module));
}

PortFinding NoPorts() {
    return Make("no-ports", FindingSeverity::Error, std::string(), "No serial port was found.", std::string(),
                "plug in the adapter (check its cable, try another USB socket), then run this again");
}

PortFinding MissingPort(const std::string& port, const std::vector<std::string>& present) {
    return Make("missing-port", FindingSeverity::Error, port, port + " is not there.", std::string(),
                ChooseAnother(present));
}

PortFinding NotAPort(const std::string& port, const std::string& what, const std::vector<std::string>& present) {
    return Make("not-a-port", FindingSeverity::Error, port, port + " is not a serial port: it is " + what + ".",
                std::string(), ChooseAnother(present));
}

PortFinding OwnTerminal(const std::string& port, const std::vector<std::string>& present) {
    return Make("own-terminal", FindingSeverity::Error, port,
                port + " is the terminal this program runs in, not a serial port.", std::string(),
                ChooseAnother(present));
}

PortFinding DeviceProblem(const std::string& device, unsigned long code) {
    const DeviceProblemText text = WindowsDeviceProblem(code);
    return Make("device-problem", FindingSeverity::Error, device, device + " does not work: " + text.words + ".",
                std::string(), text.fix);
}

PortFinding PortInUse(const std::string& port) {
    return Make("port-in-use", FindingSeverity::Error, port, port + " is in use by another program.", std::string(),
                "close the program that uses " + port + " (a terminal program, an IDE's serial monitor)");
}

} // namespace zeft::finding
