#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct stat;

namespace zeft {

// Why a port does not work, and what the user types to fix it. The doctor only looks: it
// changes nothing on the machine and needs no administrator rights.

enum class FindingSeverity { Error, Warning, Info };

struct PortFinding {
    std::string id; // a fixed word scripts can test: "no-permission", "port-taken", ...
    FindingSeverity severity = FindingSeverity::Error;
    std::string port;    // the port or USB device it concerns; empty when it concerns none
    std::string summary; // one sentence: what is wrong
    // Lines a POSIX shell runs as they stand, every name in them quoted; empty when there
    // is nothing to type.
    std::string fix;
    std::string note; // what else to do, in words: "then log out and log in again"
};

// "error", "warning" or "info".
const char* SeverityWord(FindingSeverity severity);
bool HasErrorFinding(const std::vector<PortFinding>& findings);
// The findings as a shell script to paste into a terminal or a note: each finding's severity
// and summary on a comment line, its fix, its note on a comment line; control characters in
// comments as \xNN. The command line prints the same.
std::string FixesText(const std::vector<PortFinding>& findings);

// Looks at one port (a name as the port list gives it), or at every port and every USB
// serial adapter when port is empty, on this machine. lookedAt, when given, gets the ports
// it looked at.
std::vector<PortFinding> DiagnosePorts(const std::string& port, std::vector<std::string>* lookedAt = nullptr);

// A USB serial bridge the doctor knows by its ids.
struct SerialBridge {
    const char* chip;   // "CH340"
    const char* module; // the Linux driver module: "ch341"
};
// vendor and product as four hex digits, in either case.
std::optional<SerialBridge> KnownSerialBridge(const std::string& vendor, const std::string& product);

// The Windows configuration manager's problem code in words ("the driver failed to start")
// and the fix for it, in the window's language.
struct DeviceProblemText {
    std::string words;
    std::string fix;
};
DeviceProblemText WindowsDeviceProblem(unsigned long code);

// What a udev rule knows one adapter's port by: USB vendor and product with the adapter's
// serial number, or its USB location ("1-2.3") when it has none; a port not on USB by its
// kernel name ("ttyS0").
struct AdapterIdentity {
    std::string vendor;
    std::string product;
    std::string serial;
    std::string location;
    std::string kernel;
};

// The udev rule that gives a port for good to the serial group with mode 0660 (or, where
// the machine has no serial group, to the logged-in user), and who must join that group.
struct AccessRule {
    AdapterIdentity adapter;
    std::string serialGroup; // "dialout"; empty: TAG+="uaccess"
    std::string joiner;      // the user to add to serialGroup; empty when already in it
};

// The groups that own serial ports on Linux distributions, in the order looked for: only
// these are ever offered to join.
bool IsSerialGroup(const std::string& group);

// The findings' texts, one maker each, shared by both platforms' checks. Summaries and
// notes are in the window's language (English without a translator: zeftctl); fixes never.
namespace finding {
// group is a serial group: joining it is the fix.
PortFinding NoPermission(const std::string& port, const std::string& group, const std::string& user);
// Any other group: a rule for the adapter.
PortFinding ForeignGroup(const std::string& port, const std::string& group, const std::string& user,
                         const AccessRule& rule);
PortFinding OwnerOnly(const std::string& port, const std::string& owner, unsigned mode, const AccessRule& rule);
PortFinding GroupNotActive(const std::string& port, const std::string& group, const std::string& user);
// holders: "minicom (pid 1234)" each; pids as the kill command takes them.
PortFinding PortTaken(const std::string& port, const std::string& holders, const std::string& command,
                      const std::string& pids);
PortFinding Exclusive(const std::string& port);
PortFinding OpenFailed(const std::string& port, const std::string& reason);
PortFinding BrailleDaemon(const std::string& device, const std::string& ids, const std::string& rulesFile);
PortFinding ModemManager(const std::string& port, const AdapterIdentity& adapter);
PortFinding NoDriver(const std::string& device, const std::string& what, const std::string& module);
PortFinding NoPorts();
PortFinding MissingPort(const std::string& port, const std::vector<std::string>& present);
// A folder, a file, a pipe, a device that is no terminal: what: "a folder", translated here.
PortFinding NotAPort(const std::string& port, const std::string& what, const std::vector<std::string>& present);
PortFinding OwnTerminal(const std::string& port, const std::vector<std::string>& present);
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
    // stat(2) of a path, following links (the real one when empty): the tests' trees hold
    // plain files where the machine has device nodes.
    std::function<int(const std::string& path, struct stat& info)> statPath;
};

// The Linux checks over a machine view.
std::vector<PortFinding> DiagnoseLinuxPorts(const std::string& port, const MachineView& view,
                                            std::vector<std::string>* lookedAt = nullptr);

} // namespace zeft
