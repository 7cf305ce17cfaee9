#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zeft {

// Why a port does not work, and what the user types to fix it. The doctor only looks: it
// changes nothing on the machine and needs no administrator rights.

enum class FindingSeverity { Error, Warning, Info };

struct PortFinding {
    std::string id; // a fixed word scripts can test: "no-permission", "port-taken", ...
    FindingSeverity severity = FindingSeverity::Error;
    std::string port;    // the port or USB device it concerns; empty when it concerns none
    std::string summary; // one sentence: what is wrong
    std::string fix;     // what to type or do, as the user would
};

// "error", "warning" or "info".
const char* SeverityWord(FindingSeverity severity);
bool HasErrorFinding(const std::vector<PortFinding>& findings);
// The fixes to paste into a terminal or a note: each under a comment line with its port and
// summary.
std::string FixesText(const std::vector<PortFinding>& findings);

// Looks at one port (a name as the port list gives it), or at every port and every USB
// serial adapter when port is empty, on this machine.
std::vector<PortFinding> DiagnosePorts(const std::string& port);

// A USB serial bridge the doctor knows by its ids.
struct SerialBridge {
    const char* chip;   // "CH340"
    const char* module; // the Linux driver module: "ch341"
};
// vendor and product as four hex digits, in either case.
std::optional<SerialBridge> KnownSerialBridge(const std::string& vendor, const std::string& product);

// The Windows configuration manager's problem code in words ("the driver failed to start")
// and the fix for it.
struct DeviceProblemText {
    std::string words;
    std::string fix;
};
DeviceProblemText WindowsDeviceProblem(unsigned long code);

// The findings' texts, one maker each, shared by both platforms' checks.
namespace finding {
PortFinding NoPermission(const std::string& port, const std::string& group, const std::string& user);
PortFinding OwnerOnly(const std::string& port, const std::string& owner, unsigned mode);
PortFinding GroupNotActive(const std::string& port, const std::string& group, const std::string& user);
// holders: "minicom (pid 1234)" each; pids as the kill command takes them.
PortFinding PortTaken(const std::string& port, const std::string& holders, const std::string& command,
                      const std::string& pids);
PortFinding Exclusive(const std::string& port);
PortFinding OpenFailed(const std::string& port, const std::string& reason);
PortFinding BrailleDaemon(const std::string& device, const std::string& ids, const std::string& rulesFile);
PortFinding ModemManager(const std::string& port, const std::string& vendor, const std::string& product);
PortFinding NoDriver(const std::string& device, const std::string& what, const std::string& module);
PortFinding NoPorts();
PortFinding MissingPort(const std::string& port, const std::vector<std::string>& present);
PortFinding DeviceProblem(const std::string& device, unsigned long code);
PortFinding PortInUse(const std::string& port);
} // namespace finding

// Who the doctor runs as: the identity the kernel checks a port's owner and mode against.
struct ProcessIdentity {
    unsigned uid = 0;
    unsigned gid = 0;
    std::vector<unsigned> groups; // the session's supplementary groups
    std::string user;
    int pid = 0;
};

// The Linux machine as the doctor reads it; the system's folders unless a test gives a fake
// tree.
struct MachineView {
    std::filesystem::path sysfs = "/sys";
    std::filesystem::path devices = "/dev";
    std::filesystem::path groupFile = "/etc/group";
    std::filesystem::path proc = "/proc";
    // In the order udev reads them: a rules file of the same name in an earlier folder
    // replaces a later one.
    std::vector<std::filesystem::path> udevRules = {"/etc/udev/rules.d", "/run/udev/rules.d", "/usr/lib/udev/rules.d",
                                                    "/lib/udev/rules.d"};
    std::filesystem::path udevData = "/run/udev/data";
    // This process when empty.
    std::optional<ProcessIdentity> self;
    // Opens a node for a moment and closes it: 0 or the errno (a real open when empty).
    std::function<int(const std::string& node)> tryOpen;
};

// The Linux checks over a machine view.
std::vector<PortFinding> DiagnoseLinuxPorts(const std::string& port, const MachineView& view);

} // namespace zeft
