// What the termios backend must refuse or say, through pseudo-terminals: names it would
// have to cut, the program's own terminal, RTS that does not exist; and the speed it
// leaves for other tools to read.
#include "serial/HandOverQueue.h"
#include "serial/SerialLink.h"
#include "serial/device/PosixSerialDevice.h"
#include "tests/support/PseudoTerminal.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <string>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace zeft::testing {
namespace {

class PortRefusals : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pty.Ok()); }

    PseudoTerminal pty;
    HandOverQueue queue;
    TSerialLink link{queue};
};

// Cut to the longest name that opens, this name would be the pseudo-terminal.
TEST_F(PortRefusals, NamePastTheLimitIsRefusedNotCut) {
    const std::string fits = std::string(kMaxCommPortLength - pty.SlavePath().size(), '/') + pty.SlavePath();
    ASSERT_EQ(fits.size(), kMaxCommPortLength);
    link.SetCommPort(fits + "0");
    EXPECT_EQ(link.CommPort(), fits + "0");
    link.SetActive(true);
    EXPECT_FALSE(link.Active());
    EXPECT_NE(link.LastOpenErrorText().find("longer than 255 characters"), std::string::npos)
        << link.LastOpenErrorText();
    link.SetCommPort(fits);
    link.SetActive(true);
    EXPECT_TRUE(link.Active());
}

// In a child that has the pseudo-terminal as its controlling terminal: neither /dev/tty
// nor the terminal's own path opens, and the terminal keeps its settings.
TEST_F(PortRefusals, OwnControllingTerminalIsRefusedUntouched) {
    const std::string path = pty.SlavePath();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (setsid() < 0) {
            _exit(100);
        }
        const int terminal = open(path.c_str(), O_RDWR); // without O_NOCTTY: it becomes ours
        termios before{};
        if (terminal < 0 || tcgetattr(terminal, &before) != 0 || tcgetsid(terminal) != getsid(0)) {
            _exit(101);
        }
        int failures = 0;
        for (const std::string& name : {std::string("/dev/tty"), path}) {
            PosixSerialDevice device;
            const std::uint32_t code = device.Open(name);
            failures = failures * 2 + (code == EBUSY ? 0 : 1);
            failures = failures * 2 +
                       (device.ErrorText(code).find("the terminal this program runs in") != std::string::npos ? 0 : 1);
        }
        termios after{};
        tcgetattr(terminal, &after);
        const bool untouched = after.c_lflag == before.c_lflag && cfgetospeed(&after) == cfgetospeed(&before);
        _exit(failures * 2 + (untouched ? 0 : 1));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "bits: /dev/tty opened, its reason, the path opened, its reason, settings";
}

TEST_F(PortRefusals, RtsThatCannotBeSwitchedIsKnownAfterTheSwitch) {
    link.SetCommPort(pty.SlavePath());
    link.SetActive(true);
    ASSERT_TRUE(link.Active());
    link.SetRTSState(true);
    EXPECT_EQ(link.LastRTSError(), static_cast<std::uint32_t>(ENOTTY));
}

// Standard rates go in as their own constants, so that stty and the like read the speed
// after we closed; other rates still open.
TEST_F(PortRefusals, StandardRateIsReadBackAfterTheClose) {
    const struct {
        std::uint32_t rate;
        speed_t speed;
    } rows[] = {{9600, B9600}, {115200, B115200}, {2400, B2400}};
    link.SetCommPort(pty.SlavePath());
    for (const auto& row : rows) {
        SCOPED_TRACE(row.rate);
        link.SetBaudRate(row.rate);
        link.SetActive(true);
        ASSERT_TRUE(link.Active());
        link.SetActive(false);
        const int fd = open(pty.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        termios now{};
        ASSERT_EQ(tcgetattr(fd, &now), 0);
        EXPECT_EQ(cfgetospeed(&now), row.speed);
        close(fd);
    }
    link.SetBaudRate(250000);
    link.SetActive(true);
    EXPECT_TRUE(link.Active());
}

// The reason a refused open gives must point the right way: joining the node's group helps
// only when the group may read and write it.
TEST_F(PortRefusals, PermissionReasonFitsTheNodesMode) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root, to open the port as a second user (nobody)";
    }
    const passwd* nobody = getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    const struct {
        mode_t mode;
        const char* said;
        const char* notSaid;
    } rows[] = {
        {0660, "belongs to the group \"root\": add your user to it", "owner"},
        {0600, "may be opened by its owner \"root\" only", "add your user"},
        {0640, "may be opened by its owner \"root\" only", "add your user"},
    };
    const std::string path = pty.SlavePath();
    ASSERT_EQ(chown(path.c_str(), 0, 0), 0);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.mode);
        ASSERT_EQ(chmod(path.c_str(), row.mode), 0);
        int reason[2];
        ASSERT_EQ(pipe(reason), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(reason[0]);
            if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0) {
                _exit(100);
            }
            PosixSerialDevice device;
            const std::uint32_t code = device.Open(path);
            const std::string text = code == 0 ? "opened" : device.ErrorText(code);
            _exit(write(reason[1], text.data(), text.size()) == static_cast<ssize_t>(text.size()) ? 0 : 101);
        }
        close(reason[1]);
        std::string text;
        char buffer[512];
        for (ssize_t got; (got = read(reason[0], buffer, sizeof buffer)) > 0;) {
            text.append(buffer, static_cast<std::size_t>(got));
        }
        close(reason[0]);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_EQ(WEXITSTATUS(status), 0);
        EXPECT_NE(text.find(row.said), std::string::npos) << text;
        EXPECT_EQ(text.find(row.notSaid), std::string::npos) << text;
    }
}

} // namespace
} // namespace zeft::testing
