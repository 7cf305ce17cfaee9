#include "serial/PortDoctor.h"
#include "tests/support/PseudoTerminal.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zeft {
namespace {

namespace fs = std::filesystem;

// A machine laid out as the kernel, udev and /etc show it, under a temporary folder. Its
// user is "alice", never the owner of the nodes (the test's own user, root in CI).
class FakeMachine {
public:
    FakeMachine() {
        for (const char* folder : {"sys/class/tty", "sys/bus/usb/devices", "sys/devices/usb1", "dev", "etc", "proc",
                                   "rules/etc", "rules/lib", "udev"}) {
            fs::create_directories(root_ / folder);
        }
        view.sysfs = root_ / "sys";
        view.devices = root_ / "dev";
        view.groupFile = root_ / "etc/group";
        view.proc = root_ / "proc";
        view.udevRules = {root_ / "rules/etc", root_ / "rules/lib"};
        view.udevData = root_ / "udev";
        view.self = ProcessIdentity{.uid = 4000, .gid = 4000, .groups = {}, .user = "alice", .pid = 999999};
        view.tryOpen = [this](const std::string&) {
            ++opens;
            return openResult;
        };
        // The tree's device nodes are plain files: they stat as the devices they stand for.
        view.statPath = [this](const std::string& path, struct stat& info) {
            if (::stat(path.c_str(), &info) != 0) {
                return errno;
            }
            std::error_code error;
            const auto device = devices_.find(fs::canonical(path, error).string());
            if (device != devices_.end()) {
                info.st_mode = (info.st_mode & ~S_IFMT) | S_IFCHR;
                info.st_rdev = device->second;
            }
            return 0;
        };
    }

    static void Write(const fs::path& file, const std::string& text) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << text;
    }
    std::string Node(const std::string& tty) const { return (root_ / "dev" / tty).string(); }

    // A character device node in the tree's /dev.
    void Device(const std::string& name, unsigned major, unsigned minor) {
        Write(root_ / "dev" / name, "");
        fs::permissions(root_ / "dev" / name, static_cast<fs::perms>(0666));
        devices_[fs::canonical(root_ / "dev" / name).string()] = makedev(major, minor);
    }
    // A tty with its node (mode as given); dev is its "166:0" numbers.
    void Tty(const std::string& tty, const fs::path& device, unsigned mode = 0660, const std::string& dev = "") {
        fs::create_directories(root_ / "sys/class/tty" / tty);
        fs::create_directory_symlink(device, root_ / "sys/class/tty" / tty / "device");
        if (!dev.empty()) {
            Write(root_ / "sys/class/tty" / tty / "dev", dev + "\n");
        }
        const auto colon = dev.find(':');
        Device(tty, dev.empty() ? 4 : std::stoul(dev.substr(0, colon)),
               dev.empty() ? 64 : std::stoul(dev.substr(colon + 1)));
        fs::permissions(root_ / "dev" / tty, static_cast<fs::perms>(mode));
    }
    // The tty drivers the kernel lists, as proc/tty/drivers has them.
    void TtyDrivers() {
        Write(root_ / "proc/tty/drivers", "/dev/tty             /dev/tty        5       0 system:/dev/tty\n"
                                          "serial               /dev/ttyS       4 64-111 serial\n"
                                          "pty_slave            /dev/pts      136 0-1048575 pty:slave\n");
    }
    // This program's controlling terminal, as proc/<pid>/stat encodes it.
    void ControllingTerminal(unsigned major, unsigned minor) {
        const unsigned number = (minor & 0xffU) | (major << 8) | ((minor & ~0xffU) << 12);
        fs::create_directories(root_ / "proc/999999/fd");
        Write(root_ / "proc/999999/stat",
              "999999 (zeft ) x) S 1 999999 999999 " + std::to_string(number) + " 999999 4194304\n");
    }
    void BuiltInPort(unsigned mode) {
        fs::create_directories(root_ / "sys/devices/serial8250/ttyS0");
        Write(root_ / "sys/class/tty/ttyS0/type", "4\n");
        Tty("ttyS0", root_ / "sys/devices/serial8250/ttyS0", mode);
    }

    struct Interface {
        const char* kind = "ff/00/00"; // class/subclass/protocol
        const char* driver = nullptr;
        const char* tty = nullptr; // ttyUSB0 (usb-serial) or ttyACM0 (cdc-acm)
        unsigned mode = 0666;      // the tty's node
        const char* serial = nullptr;
    };
    // A USB device at socket 1-2 with one interface.
    void Usb(const std::string& vendor, const std::string& product, const Interface& interface) {
        const fs::path device = root_ / "sys/devices/usb1/1-2";
        const fs::path at = device / "1-2:1.0";
        Write(device / "idVendor", vendor + "\n");
        Write(device / "idProduct", product + "\n");
        Write(device / "product", "USB Serial\n");
        Write(device / "dev", "189:1\n");
        if (interface.serial != nullptr) {
            Write(device / "serial", std::string(interface.serial) + "\n");
        }
        const std::string kind = interface.kind;
        Write(at / "bInterfaceNumber", "00\n");
        Write(at / "bInterfaceClass", kind.substr(0, 2) + "\n");
        Write(at / "bInterfaceSubClass", kind.substr(3, 2) + "\n");
        Write(at / "bInterfaceProtocol", kind.substr(6, 2) + "\n");
        if (interface.driver != nullptr) {
            fs::create_directories(root_ / "sys/bus/usb/drivers" / interface.driver);
            fs::create_directory_symlink(root_ / "sys/bus/usb/drivers" / interface.driver, at / "driver");
        }
        fs::create_directory_symlink(device, root_ / "sys/bus/usb/devices/1-2");
        fs::create_directory_symlink(at, root_ / "sys/bus/usb/devices/1-2:1.0");
        if (interface.tty != nullptr) {
            const bool acm = std::string(interface.tty).rfind("ttyACM", 0) == 0;
            fs::create_directories(acm ? at / "tty" / interface.tty : at / interface.tty);
            Tty(interface.tty, acm ? at : at / interface.tty, interface.mode, acm ? "166:0" : "188:0");
        }
    }

    // A process with its command and the files it holds open (an "fd" that is no folder
    // stands for one whose files this user may not see).
    void Process(int pid, const std::string& command, const std::vector<std::string>& open, bool hidden = false) {
        const fs::path folder = root_ / "proc" / std::to_string(pid);
        Write(folder / "comm", command + "\n");
        if (hidden) {
            Write(folder / "fd", "");
            return;
        }
        fs::create_directories(folder / "fd");
        for (std::size_t i = 0; i < open.size(); ++i) {
            fs::create_symlink(open[i], folder / "fd" / std::to_string(i + 3));
        }
    }

    // The group owning the nodes, with its members; a dialout group of its own when the
    // nodes' group has another name, none at all when serial is empty.
    void NodeGroup(const std::string& members, const std::string& name = "dialout", const char* serial = "dialout") {
        Write(root_ / "etc/group", "# torn and foreign lines first\nbig:x:99999999999999999999:alice\n" + name +
                                       ":x:" + std::to_string(getegid()) + ":" + members + "\nalice:x:4000:\n" +
                                       (name == serial || *serial == '\0' ? "" : std::string(serial) + ":x:20:\n"));
    }
    void InNodeGroup() { view.self->groups.push_back(getegid()); }

    testing::TempFolder folder_;
    fs::path root_ = folder_.Path();
    MachineView view;
    int opens = 0;
    int openResult = 0;
    std::map<std::string, dev_t> devices_; // real path -> the numbers it stands for
};

struct MachineState {
    const char* name;
    std::function<void(FakeMachine&)> build;
    std::vector<std::string> ids; // the findings, in order
    const char* mention;          // in the summary or fix of the first finding
    const char* port = "";        // "ttyX": only that port
    int opens = 0;                // ports opened to look for a hidden holder
};

const MachineState kMachineStates[] = {
    {"group member, not in the session yet",
     [](FakeMachine& m) {
         m.BuiltInPort(0660);
         m.NodeGroup("bob,alice");
     },
     {"group-not-active"},
     "log out"},
    {"not in the group",
     [](FakeMachine& m) {
         m.BuiltInPort(0660);
         m.NodeGroup("bob");
     },
     {"no-permission"},
     "sudo usermod -aG 'dialout' 'alice'"},
    {"not in the node's group, which is no serial group",
     [](FakeMachine& m) {
         m.BuiltInPort(0660);
         m.NodeGroup("bob", "disk");
     },
     {"no-permission"},
     "printf '%s\\n' 'SUBSYSTEM==\"tty\", KERNEL==\"ttyS0\", GROUP=\"dialout\", MODE=\"0660\"' | sudo tee "
     "'/etc/udev/rules.d/70-zeft-port-ttyS0.rules' >/dev/null\nsudo udevadm control --reload-rules\n"
     "sudo udevadm trigger --action=add --sysname-match='ttyS0'\nsudo usermod -aG 'dialout' 'alice'"},
    {"a privileged group on a machine without a serial group",
     [](FakeMachine& m) {
         m.BuiltInPort(0660);
         m.NodeGroup("bob", "root", "");
     },
     {"no-permission"},
     "KERNEL==\"ttyS0\", TAG+=\"uaccess\"'"},
    {"in the group and the session",
     [](FakeMachine& m) {
         m.BuiltInPort(0660);
         m.NodeGroup("alice");
         m.InNodeGroup();
     },
     {},
     ""},
    {"owner only, even for the group",
     [](FakeMachine& m) {
         m.BuiltInPort(0600);
         m.NodeGroup("alice");
         m.InNodeGroup();
     },
     {"no-permission"},
     "GROUP=\"dialout\", MODE=\"0660\"' | sudo tee"},
    {"owner only, an adapter with a serial number",
     [](FakeMachine& m) {
         m.Usb("0403", "6001", {.driver = "ftdi_sio", .tty = "ttyUSB0", .mode = 0600, .serial = "A9XK3"});
         m.NodeGroup("");
     },
     {"no-permission"},
     "'SUBSYSTEM==\"tty\", ATTRS{idVendor}==\"0403\", ATTRS{idProduct}==\"6001\", ATTRS{serial}==\"A9XK3\", "
     "GROUP=\"dialout\", MODE=\"0660\"' | sudo tee '/etc/udev/rules.d/70-zeft-port-0403-6001-A9XK3.rules'"},
    {"owner only, an adapter whose serial number no rule may hold",
     [](FakeMachine& m) {
         m.Usb("0403", "6001", {.driver = "ftdi_sio", .tty = "ttyUSB0", .mode = 0600, .serial = "A\"*"});
         m.NodeGroup("");
     },
     {"no-permission"},
     "KERNELS==\"1-2\", ATTRS{idVendor}==\"0403\", ATTRS{idProduct}==\"6001\", GROUP"},
    {"owner only, and the modem manager takes it: a rule file each",
     [](FakeMachine& m) {
         m.Usb("2341", "0043", {.kind = "02/02/01", .driver = "cdc_acm", .tty = "ttyACM0", .mode = 0600});
         m.NodeGroup("");
         m.Process(600, "ModemManager", {});
     },
     {"no-permission", "modem-manager"},
     "70-zeft-port-2341-0043-at-1-2.rules"},
    {"taken by another program",
     [](FakeMachine& m) {
         m.BuiltInPort(0666);
         m.Process(4242, "minicom", {"/dev/null", m.Node("ttyS0")});
     },
     {"port-taken"},
     "minicom (pid 4242)"},
    {"held by this program itself",
     [](FakeMachine& m) {
         m.BuiltInPort(0666);
         m.Process(999999, "zeft", {m.Node("ttyS0")});
         m.Process(7, "systemd", {}, true);
         m.openResult = EBUSY;
     },
     {},
     ""},
    {"exclusive to a program this user cannot see",
     [](FakeMachine& m) {
         m.BuiltInPort(0666);
         m.Process(7, "systemd", {}, true);
         m.openResult = EBUSY;
     },
     {"exclusive"},
     "fuser",
     "",
     1},
    {"does not open",
     [](FakeMachine& m) {
         m.BuiltInPort(0666);
         m.Process(7, "systemd", {}, true);
         m.openResult = EIO;
     },
     {"open-failed"},
     "Input/output error",
     "",
     1},
    {"claimed by the braille daemon's product rule",
     [](FakeMachine& m) {
         m.Write(m.root_ / "rules/lib/85-brltty.rules", "# Device: 1A86:7523\nENV{PRODUCT}==\"1a86/7523/*\", "
                                                        "ENV{BRLTTY_BRAILLE_DRIVER}=\"bm\", GOTO=\"brltty_usb_run\"\n");
         m.Usb("1a86", "7523", {.driver = "usbfs"});
     },
     {"braille-daemon"},
     "85-brltty.rules"},
    {"claimed by the braille daemon's attribute rule",
     [](FakeMachine& m) {
         m.Write(m.root_ / "rules/lib/90-brltty-usb-generic.rules",
                 "SUBSYSTEM==\"usb\", ATTRS{idVendor}==\"10c4\", ATTRS{idProduct}==\"ea60\", RUN+=\"brltty\"\n");
         m.Usb("10c4", "ea60", {});
     },
     {"braille-daemon"},
     "10c4:ea60"},
    {"braille rule switched off in /etc",
     [](FakeMachine& m) {
         m.Write(m.root_ / "rules/lib/85-brltty.rules", "ENV{PRODUCT}==\"1a86/7523/*\", GOTO=\"brltty_usb_run\"\n");
         m.Write(m.root_ / "rules/etc/85-brltty.rules", "");
         m.Usb("1a86", "7523", {.driver = "ch341", .tty = "ttyUSB0"});
     },
     {},
     ""},
    {"braille rule, but the adapter has its port",
     [](FakeMachine& m) {
         m.Write(m.root_ / "rules/lib/85-brltty.rules", "ENV{PRODUCT}==\"1a86/7523/*\", GOTO=\"brltty_usb_run\"\n");
         m.Usb("1a86", "7523", {.driver = "ch341", .tty = "ttyUSB0"});
     },
     {},
     ""},
    {"known bridge without its driver",
     [](FakeMachine& m) { m.Usb("0403", "6001", {}); },
     {"no-driver"},
     "sudo modprobe 'ftdi_sio'"},
    {"modem-class interface without its driver",
     [](FakeMachine& m) { m.Usb("2341", "0043", {.kind = "02/02/01"}); },
     {"no-driver"},
     "sudo modprobe 'cdc_acm'"},
    {"unknown device without a driver", [](FakeMachine& m) { m.Usb("abcd", "0001", {}); }, {"no-ports"}, ""},
    {"nothing at all", [](FakeMachine&) {}, {"no-ports"}, "plug in"},
    {"modem manager and an AT modem port",
     [](FakeMachine& m) {
         m.Usb("2341", "0043", {.kind = "02/02/01", .driver = "cdc_acm", .tty = "ttyACM0"});
         m.Process(600, "ModemManager", {});
     },
     {"modem-manager"},
     "printf '%s\\n' 'KERNELS==\"1-2\", ATTRS{idVendor}==\"2341\", ATTRS{idProduct}==\"0043\", "
     "ENV{ID_MM_DEVICE_IGNORE}=\"1\"' | sudo tee '/etc/udev/rules.d/99-zeft-not-a-modem-2341-0043-at-1-2.rules'"},
    {"modem manager and a port marked to be ignored",
     [](FakeMachine& m) {
         m.Usb("2341", "0043", {.kind = "02/02/01", .driver = "cdc_acm", .tty = "ttyACM0"});
         m.Process(600, "ModemManager", {});
         m.Write(m.root_ / "udev/c166:0", "S:serial/by-id/x\nE:ID_MM_DEVICE_IGNORE=1\n");
     },
     {},
     ""},
    {"modem manager and an ACM port without AT commands",
     [](FakeMachine& m) {
         m.Usb("2341", "0043", {.kind = "02/02/00", .driver = "cdc_acm", .tty = "ttyACM0"});
         m.Process(600, "ModemManager", {});
     },
     {},
     ""},
    {"an AT modem port, no modem manager",
     [](FakeMachine& m) { m.Usb("2341", "0043", {.kind = "02/02/01", .driver = "cdc_acm", .tty = "ttyACM0"}); },
     {},
     ""},
    {"asked for a port that is not there",
     [](FakeMachine& m) { m.BuiltInPort(0666); },
     {"missing-port"},
     "choose a port that is there: ",
     "ttyUSB3"},
    {"asked for a folder",
     [](FakeMachine& m) { fs::create_directory(m.root_ / "dev/serial"); },
     {"not-a-port"},
     "is not a serial port: it is a folder.",
     "serial"},
    {"asked for a regular file",
     [](FakeMachine& m) {
         m.BuiltInPort(0666);
         m.Write(m.root_ / "dev/notes", "");
     },
     {"not-a-port"},
     "it is a regular file. |  | plug in the adapter, or choose a port that is there: ",
     "notes"},
    {"asked for a FIFO",
     [](FakeMachine& m) { ASSERT_EQ(mkfifo((m.root_ / "dev/fifo").c_str(), 0666), 0); },
     {"not-a-port"},
     "it is a named pipe (FIFO).",
     "fifo"},
    {"asked for a device that is no terminal",
     [](FakeMachine& m) {
         m.TtyDrivers();
         m.Device("null", 1, 3);
     },
     {"not-a-port"},
     "it is a device that is not a terminal.",
     "null"},
    {"asked for a port of a listed tty driver",
     [](FakeMachine& m) {
         m.TtyDrivers();
         m.BuiltInPort(0666);
     },
     {},
     "",
     "ttyS0"},
    {"asked for the terminal it runs in",
     [](FakeMachine& m) {
         m.TtyDrivers();
         m.Device("pts3", 136, 3);
         m.ControllingTerminal(136, 3);
     },
     {"own-terminal"},
     "is the terminal this program runs in, not a serial port.",
     "pts3"},
    {"asked for /dev/tty with a controlling terminal",
     [](FakeMachine& m) {
         m.Device("tty", 5, 0);
         m.ControllingTerminal(136, 300);
     },
     {"own-terminal"},
     "terminal this program runs in",
     "tty"},
    {"asked for a terminal that is not its own",
     [](FakeMachine& m) {
         m.Device("pts4", 136, 4);
         m.ControllingTerminal(136, 3);
     },
     {},
     "",
     "pts4"},
    {"asked for a port, another adapter without a driver",
     [](FakeMachine& m) {
         m.BuiltInPort(0666);
         m.Usb("067b", "2303", {});
         m.Process(31, "screen", {m.Node("ttyS0")});
     },
     {"port-taken"},
     "screen (pid 31)",
     "ttyS0"},
};

// Every fix parses as shell; none makes a node world-writable or joins a group that is no
// serial group; no two rules share a file.
void ExpectSafeFixes(const std::vector<PortFinding>& findings) {
    testing::TempFolder folder;
    const fs::path script = folder.Write("fixes.sh", FixesText(findings));
    EXPECT_EQ(std::system(("sh -n '" + script.string() + "'").c_str()), 0) << FixesText(findings);
    std::vector<std::string> ruleFiles;
    for (const PortFinding& finding : findings) {
        EXPECT_EQ(finding.fix.find("chmod"), std::string::npos) << finding.fix;
        const std::string join = "usermod -aG '";
        for (auto at = finding.fix.find(join); at != std::string::npos; at = finding.fix.find(join, at + 1)) {
            const auto start = at + join.size();
            EXPECT_TRUE(IsSerialGroup(finding.fix.substr(start, finding.fix.find('\'', start) - start))) << finding.fix;
        }
        for (auto at = finding.fix.find("tee '"); at != std::string::npos; at = finding.fix.find("tee '", at + 1)) {
            ruleFiles.push_back(finding.fix.substr(at, finding.fix.find('\'', at + 5) - at));
        }
    }
    std::sort(ruleFiles.begin(), ruleFiles.end());
    EXPECT_EQ(std::adjacent_find(ruleFiles.begin(), ruleFiles.end()), ruleFiles.end()) << FixesText(findings);
}

void PrintTo(const MachineState& state, std::ostream* out) {
    *out << state.name;
}

class MachineStateTest : public ::testing::TestWithParam<MachineState> {};

TEST_P(MachineStateTest, GivesItsFindings) {
    const MachineState& state = GetParam();
    FakeMachine machine;
    state.build(machine);
    std::string port;
    if (*state.port != '\0') {
        port = machine.Node(state.port);
    }
    const std::vector<PortFinding> findings = DiagnoseLinuxPorts(port, machine.view);
    std::vector<std::string> ids;
    for (const PortFinding& finding : findings) {
        ids.push_back(finding.id);
    }
    EXPECT_EQ(ids, state.ids);
    if (!findings.empty() && *state.mention != '\0') {
        const std::string said = findings[0].summary + " | " + findings[0].fix + " | " + findings[0].note;
        EXPECT_NE(said.find(state.mention), std::string::npos) << said;
    }
    // Ports are opened only to find a holder no process listing showed.
    EXPECT_EQ(machine.opens, state.opens);
    ExpectSafeFixes(findings);
}

INSTANTIATE_TEST_SUITE_P(Linux, MachineStateTest, ::testing::ValuesIn(kMachineStates), [](const auto& info) {
    std::string name;
    for (const char c : std::string(info.param.name)) {
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
});

// Runs job in a child process and gives back what it wrote to the pipe, within seconds.
std::string FromChild(const std::function<std::string()>& job) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return "no pipe";
    }
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        const std::string text = job();
        const ssize_t written = write(pipeEnds[1], text.data(), text.size());
        _exit(written == static_cast<ssize_t>(text.size()) ? 0 : 1);
    }
    close(pipeEnds[1]);
    std::string text;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (;;) {
        pollfd fd{pipeEnds[0], POLLIN, 0};
        if (std::chrono::steady_clock::now() > end || poll(&fd, 1, 100) < 0) {
            break;
        }
        char buffer[512];
        const ssize_t n = fd.revents != 0 ? read(pipeEnds[0], buffer, sizeof buffer) : -1;
        if (n == 0) {
            break;
        }
        if (n > 0) {
            text.append(buffer, static_cast<std::size_t>(n));
        }
    }
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    return text;
}

std::string Ids(const std::vector<PortFinding>& findings) {
    std::string ids;
    for (const PortFinding& finding : findings) {
        ids += finding.id + " " + finding.summary + "\n";
    }
    return ids;
}

// A port reached through a link, and a process holding it, under names anybody may choose:
// the fixes run in a shell (with sudo and kill only echoing) keep every name a literal, and
// no name reaches the text as a control character or out of its comment.
TEST(PortDoctorFixesTest, HostileNamesStayLiteralWhenTheFixesRun) {
    const std::string link = "x$(touch PWNED)`touch PWNED`\ntouch PWNED; '\x1b]0;title\x07";
    std::vector<PortFinding> findings;
    for (const bool hidden : {false, true}) {
        FakeMachine machine;
        machine.BuiltInPort(0666);
        fs::create_symlink(machine.root_ / "dev/ttyS0", machine.root_ / "dev" / link);
        if (hidden) {
            machine.Process(7, "systemd", {}, true);
            machine.openResult = EBUSY;
        } else {
            machine.Process(31, "$(touch PWNED)\x1b[2J", {machine.Node("ttyS0")});
        }
        for (PortFinding& finding : DiagnoseLinuxPorts(machine.Node(link), machine.view)) {
            findings.push_back(std::move(finding));
        }
    }
    ASSERT_EQ(findings.size(), 2u) << Ids(findings);
    EXPECT_EQ(findings[0].id, "port-taken");
    EXPECT_EQ(findings[1].id, "exclusive");
    const std::string text = FixesText(findings);
    EXPECT_EQ(std::count_if(text.begin(), text.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\n'; }),
              0)
        << text;

    testing::TempFolder folder;
    const fs::path script = folder.Write(
        "fixes.sh", "sudo() { printf '<%s>' \"$@\"; echo; }\nkill() { printf '[kill %s]' \"$@\"; echo; }\n" + text);
    FILE* shell = popen(("cd '" + folder.Path().string() + "' && sh ./fixes.sh 2>&1").c_str(), "r");
    ASSERT_NE(shell, nullptr);
    std::string out;
    char buffer[256];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, shell)) > 0;) {
        out.append(buffer, n);
    }
    EXPECT_EQ(pclose(shell), 0) << out;
    EXPECT_FALSE(fs::exists(folder / "PWNED")) << text;
    EXPECT_NE(out.find("[kill 31]"), std::string::npos) << out;
    EXPECT_NE(out.find("<fuser><-v><" + findings[1].port + ">"), std::string::npos) << out;
}

TEST(PortDoctorOnThisMachineTest, APseudoTerminalHeldByAnotherProcessNamesIt) {
    testing::PseudoTerminal terminal;
    ASSERT_TRUE(terminal.Ok());
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t holder = fork();
    if (holder == 0) {
        close(ready[0]);
        close(release[1]);
        const int fd = open(terminal.SlavePath().c_str(), O_RDWR | O_NOCTTY);
        const char sign = fd >= 0 ? '1' : '0';
        char gone;
        if (write(ready[1], &sign, 1) == 1) {
            static_cast<void>(read(release[0], &gone, 1)); // until the test lets go
        }
        _exit(0);
    }
    close(ready[1]);
    close(release[0]);
    char sign = 0;
    pollfd fd{ready[0], POLLIN, 0};
    ASSERT_EQ(poll(&fd, 1, 20000), 1);
    ASSERT_EQ(read(ready[0], &sign, 1), 1);
    EXPECT_EQ(sign, '1');

    const std::vector<PortFinding> findings = DiagnoseLinuxPorts(terminal.SlavePath(), MachineView());
    close(release[1]);
    close(ready[0]);
    waitpid(holder, nullptr, 0);
    ASSERT_EQ(findings.size(), 1u) << Ids(findings);
    EXPECT_EQ(findings[0].id, "port-taken");
    EXPECT_NE(findings[0].summary.find("(pid " + std::to_string(holder) + ")"), std::string::npos)
        << findings[0].summary;
    EXPECT_NE(findings[0].fix.find("kill " + std::to_string(holder)), std::string::npos) << findings[0].fix;
}

// In a child whose controlling terminal the pseudo-terminal is: the doctor refuses it, by its
// path and as /dev/tty, as the port's open does.
TEST(PortDoctorOnThisMachineTest, ItsOwnTerminalIsNoPort) {
    testing::PseudoTerminal terminal;
    ASSERT_TRUE(terminal.Ok());
    const std::string path = terminal.SlavePath();
    const std::string seen = FromChild([&path] {
        if (setsid() < 0 || open(path.c_str(), O_RDWR) < 0) {
            return std::string("could not take the terminal");
        }
        return Ids(DiagnoseLinuxPorts(path, MachineView())) + Ids(DiagnoseLinuxPorts("/dev/tty", MachineView()));
    });
    EXPECT_EQ(seen, "own-terminal " + path + " is the terminal this program runs in, not a serial port.\n" +
                        "own-terminal /dev/tty is the terminal this program runs in, not a serial port.\n");
}

TEST(PortDoctorOnThisMachineTest, ANodeAnUnprivilegedUserMayNotOpen) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to become an unprivileged user";
    }
    testing::TempFolder folder;
    fs::permissions(folder.Path(), fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    const fs::path node = folder.Write("ttyFAKE0", "");
    const group* dialout = getgrnam("dialout");
    const gid_t nodeGroup = dialout != nullptr ? dialout->gr_gid : 0;
    ASSERT_EQ(chown(node.c_str(), 0, nodeGroup), 0);
    fs::permissions(node, static_cast<fs::perms>(0660));

    const std::string seen = FromChild([&node] {
        const gid_t nobody = 65534;
        if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0) {
            return std::string("could not become nobody");
        }
        MachineView view;
        view.statPath = [](const std::string& path, struct stat& info) { // a file standing for ttyS0
            const int result = ::stat(path.c_str(), &info) == 0 ? 0 : errno;
            info.st_mode = (info.st_mode & ~S_IFMT) | S_IFCHR;
            info.st_rdev = makedev(4, 64);
            return result;
        };
        return Ids(DiagnoseLinuxPorts(node.string(), view));
    });
    EXPECT_EQ(seen.rfind("no-permission ", 0), 0u) << seen;
    EXPECT_NE(seen.find(node.string()), std::string::npos) << seen;
}

} // namespace
} // namespace zeft
