#include "serial/PortDoctor.h"

#include "seams/TextTranslation.h"
#include "serial/CommPortList.h"
#include "serial/PosixPortDoctorNode.h"
#include "serial/PosixUsbDoctor.h"
#include "serial/virtual/VirtualSenderPortName.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <system_error>

#include <pwd.h>
#include <sys/stat.h>

namespace zeft {

namespace fs = std::filesystem;

namespace {

struct Group {
    std::string name;
    std::vector<std::string> members;
};

// gid -> name and members, from a file in /etc/group's format.
std::map<unsigned, Group> ReadGroups(const fs::path& file) {
    std::map<unsigned, Group> groups;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields;
        std::istringstream parts(line);
        for (std::string field; std::getline(parts, field, ':');) {
            fields.push_back(field);
        }
        if (fields.size() < 3) {
            continue;
        }
        unsigned gid = 0;
        const char* const last = fields[2].data() + fields[2].size();
        const auto [end, error] = std::from_chars(fields[2].data(), last, gid);
        if (fields[2].empty() || error != std::errc() || end != last) {
            continue; // a torn or foreign line
        }
        Group group{fields[0], {}};
        std::istringstream names(fields.size() > 3 ? fields[3] : std::string());
        for (std::string name; std::getline(names, name, ',');) {
            group.members.push_back(name);
        }
        groups.emplace(gid, std::move(group));
    }
    return groups;
}

// Who holds which of the nodes open, from every process's open files.
struct Holders {
    std::map<std::string, std::vector<std::pair<int, std::string>>> byNode; // pid, command
    bool sawEveryProcess = true; // some processes' files may be hidden from this user
    bool modemManager = false;
};

Holders ScanProcesses(const fs::path& proc, const std::vector<std::string>& nodes) {
    Holders holders;
    std::error_code error;
    for (fs::directory_iterator it(proc, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        int pid = 0;
        const auto [stop, failure] = std::from_chars(name.data(), name.data() + name.size(), pid);
        if (name.empty() || failure != std::errc() || stop != name.data() + name.size()) {
            continue; // not a process
        }
        const std::string command = SysfsLine(it->path() / "comm").value_or("?");
        holders.modemManager = holders.modemManager || command == "ModemManager";
        std::error_code fdError;
        fs::directory_iterator fd(it->path() / "fd", fdError);
        if (fdError) {
            holders.sawEveryProcess = false;
            continue;
        }
        for (fs::directory_iterator fdEnd; !fdError && fd != fdEnd; fd.increment(fdError)) {
            std::error_code linkError;
            const std::string target = fs::read_symlink(fd->path(), linkError).string();
            if (!linkError && std::find(nodes.begin(), nodes.end(), target) != nodes.end()) {
                auto& list = holders.byNode[target];
                if (list.empty() || list.back().first != pid) {
                    list.emplace_back(pid, command);
                }
            }
        }
    }
    return holders;
}

// The node's own path, as the open files of processes name it (a by-id link resolved).
std::string RealNode(const std::string& port) {
    std::error_code error;
    const fs::path real = fs::canonical(port, error);
    return error ? port : real.string();
}

bool Contains(const std::vector<unsigned>& list, unsigned value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

// What one look at the machine found, shared by the checks of each port.
struct Survey {
    const MachineView& view;
    ProcessIdentity self;
    std::map<unsigned, Group> groups;
    Holders holders;
    std::vector<std::string> present;
};

bool IsMember(const Survey& survey, unsigned gid, const Group& group) {
    return survey.self.gid == gid || Contains(survey.self.groups, gid) ||
           std::find(group.members.begin(), group.members.end(), survey.self.user) != group.members.end();
}

// The rule that gives the port to the machine's serial group (the first of the usual names
// its group file has), or to the logged-in user where it has none.
AccessRule RuleFor(const std::string& port, const Survey& survey) {
    AccessRule rule;
    rule.adapter.kernel = fs::path(RealNode(port)).filename().string();
    if (const auto usb = UsbOfTty(survey.view.sysfs / "class" / "tty" / rule.adapter.kernel)) {
        rule.adapter.vendor = usb->vendor;
        rule.adapter.product = usb->product;
        rule.adapter.serial = usb->serial;
        rule.adapter.location = usb->location;
    }
    for (const char* name : {"dialout", "uucp", "serial"}) {
        const auto group = std::find_if(survey.groups.begin(), survey.groups.end(),
                                        [name](const auto& entry) { return entry.second.name == name; });
        if (group != survey.groups.end()) {
            rule.serialGroup = name;
            rule.joiner = IsMember(survey, group->first, group->second) ? std::string() : survey.self.user;
            break;
        }
    }
    return rule;
}

// The permission findings of one node, as the kernel checks owner, group and others. Only
// a serial group is ever offered to join; any other owner or group gets a rule of its own.
bool CheckPermission(const std::string& port, const struct stat& node, const Survey& survey,
                     std::vector<PortFinding>& findings) {
    const ProcessIdentity& self = survey.self;
    const unsigned mode = node.st_mode;
    const bool inGroup = self.gid == node.st_gid || Contains(self.groups, node.st_gid);
    const unsigned bits = node.st_uid == self.uid ? mode >> 6 : inGroup ? mode >> 3 : mode;
    if (self.uid == 0 || (bits & 6U) == 6U) {
        return true;
    }
    const auto group = survey.groups.find(node.st_gid);
    const std::string groupName = group != survey.groups.end() ? group->second.name : std::to_string(node.st_gid);
    if (((mode >> 3) & 6U) != 6U || inGroup) {
        passwd entry{};
        passwd* found = nullptr;
        char buffer[4096];
        const bool known = getpwuid_r(node.st_uid, &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr;
        findings.push_back(finding::OwnerOnly(port, known ? found->pw_name : std::to_string(node.st_uid), mode,
                                              RuleFor(port, survey)));
    } else if (group != survey.groups.end() && std::find(group->second.members.begin(), group->second.members.end(),
                                                         self.user) != group->second.members.end()) {
        findings.push_back(finding::GroupNotActive(port, groupName, self.user));
    } else if (IsSerialGroup(groupName)) {
        findings.push_back(finding::NoPermission(port, groupName, self.user));
    } else {
        findings.push_back(finding::ForeignGroup(port, groupName, self.user, RuleFor(port, survey)));
    }
    return false;
}

void CheckPort(const std::string& port, const Survey& survey, std::vector<PortFinding>& findings) {
    const MachineView& view = survey.view;
    struct stat node {};
    if (StatThrough(view, port, node) != 0) {
        return;
    }
    // What the port's open would refuse, before anything else.
    if (const auto what = NotATerminal(node, view)) {
        findings.push_back(finding::NotAPort(port, *what, survey.present));
        return;
    }
    if (IsOwnTerminal(node, view, survey.self.pid)) {
        findings.push_back(finding::OwnTerminal(port, survey.present));
        return;
    }
    const bool mayOpen = CheckPermission(port, node, survey, findings);

    std::string named;
    std::string pids;
    std::string commands;
    bool heldHere = false;
    const std::string real = RealNode(port);
    const auto held = survey.holders.byNode.find(real);
    static const std::vector<std::pair<int, std::string>> kNobody;
    for (const auto& [pid, command] : held != survey.holders.byNode.end() ? held->second : kNobody) {
        if (pid == survey.self.pid) {
            heldHere = true; // this program's own open port
            continue;
        }
        named += (named.empty() ? "" : ", ") + command + " (pid " + std::to_string(pid) + ")";
        pids += (pids.empty() ? "" : " ") + std::to_string(pid);
        commands =
            commands.empty() ? command : FillPlaceholders(TranslatedText("Core", "%1 and %2"), {commands, command});
    }
    if (!named.empty()) {
        findings.push_back(finding::PortTaken(port, named, commands, pids));
    } else if (mayOpen && !heldHere && !survey.holders.sawEveryProcess) {
        // A holder this user cannot see shows only in the open itself. Where every process
        // was seen there is nothing to find, and the port is left untouched.
        const int result = view.tryOpen ? view.tryOpen(port) : OpenForAMoment(port);
        if (result == EBUSY) {
            findings.push_back(finding::Exclusive(port));
        } else if (result != 0 && result != EACCES && result != EPERM) {
            findings.push_back(finding::OpenFailed(port, std::generic_category().message(result)));
        }
    }

    const fs::path entry = view.sysfs / "class" / "tty" / fs::path(real).filename();
    if (fs::path(real).parent_path() != view.devices || !survey.holders.modemManager) {
        return;
    }
    if (const auto usb = UsbOfTty(entry); usb && usb->speaksAt && !MarkedNotAModem(view, entry, *usb)) {
        findings.push_back(finding::ModemManager(
            port, {usb->vendor, usb->product, usb->serial, usb->location, fs::path(real).filename().string()}));
    }
}

} // namespace

std::vector<PortFinding> DiagnoseLinuxPorts(const std::string& port, const MachineView& view,
                                            std::vector<std::string>* lookedAt) {
    std::vector<PortFinding> findings;
    std::vector<std::string> present;
    ScanSysfsTtys(present, view.sysfs / "class" / "tty", view.devices);
    if (!port.empty() && IsVirtualPortName(port)) {
        if (lookedAt != nullptr) {
            *lookedAt = {port};
        }
        return findings; // simulated: nothing on the machine to look at
    }
    std::vector<std::string> ports = port.empty() ? present : std::vector<std::string>{port};
    std::error_code error;
    if (!port.empty() && !fs::exists(port, error)) {
        findings.push_back(finding::MissingPort(port, present));
        ports.clear();
    }
    if (lookedAt != nullptr) {
        *lookedAt = ports;
    }
    std::vector<std::string> nodes;
    std::transform(ports.begin(), ports.end(), std::back_inserter(nodes), RealNode);
    const Survey survey{view, view.self ? *view.self : ThisProcess(), ReadGroups(view.groupFile),
                        ScanProcesses(view.proc, nodes), present};
    for (const std::string& name : ports) {
        CheckPort(name, survey, findings);
    }
    // Adapters without a port: all of them, or what may explain a port that is missing.
    if (port.empty() || ports.empty()) {
        const std::size_t before = findings.size();
        DiagnoseUsbAdapters(view, findings);
        if (present.empty() && port.empty() && findings.size() == before) {
            findings.push_back(finding::NoPorts());
        }
    }
    return findings;
}

std::vector<PortFinding> DiagnosePorts(const std::string& port, std::vector<std::string>* lookedAt) {
    return DiagnoseLinuxPorts(port, MachineView(), lookedAt);
}

} // namespace zeft
