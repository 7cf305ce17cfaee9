// A closed port is free again the moment the close returns: for our next open, even after
// a close that gave up on the worker, and for other users.
#include "serial/HandOverQueue.h"
#include "serial/SerialLink.h"
#include "serial/device/PosixSerialDevice.h"
#include "tests/support/PseudoTerminal.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zeft::testing {
namespace {

using Clock = HandOverQueue::Clock;
using namespace std::chrono_literals;

class PortRelease : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.Ok());
        link.OnProcessError = [this](TSerialLink&, std::uint32_t place, std::uint32_t, const std::string&,
                                     std::uint8_t) { places.push_back(place); };
        link.SetCommPort(pty.SlavePath());
    }

    bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 10s) {
        return queue.DrainUntil(done, Clock::now() + limit);
    }

    int Count(std::uint32_t place) const {
        int count = 0;
        for (std::uint32_t seen : places) {
            count += seen == place ? 1 : 0;
        }
        return count;
    }

    PseudoTerminal pty;
    HandOverQueue queue;
    std::vector<std::uint32_t> places;
    TSerialLink link{queue};
};

// The worker is held in a hand-over while the port closes, so the close times out
// ("Warning ThreadIsRunning"); the same port opened right after must open. A few rounds,
// as the worker may let go of the port in time by luck.
TEST_F(PortRelease, ReopenRightAfterACloseThatGaveUpOnTheWorker) {
    constexpr int kRounds = 3;
    struct Case {
        const char* name;
        bool insideHandler;
    };
    for (const Case& c : {Case{"inside a cluster handler", true}, Case{"outside, a write pending", false}}) {
        SCOPED_TRACE(c.name);
        std::vector<bool> reopened;
        link.OnRxClusterEvent = [&](TSerialLink& sender) {
            sender.ReadNextClusterAsString();
            sender.SetActive(false);
            sender.SetActive(true);
            reopened.push_back(sender.Active());
        };
        link.SetActive(true);
        ASSERT_TRUE(link.Active());
        ASSERT_TRUE(PumpUntil([&] { return link.WorkerRunning(); }));
        places.clear();
        for (int round = 0; round < kRounds; ++round) {
            if (c.insideHandler) {
                pty.Write(std::string(3500, 'a')); // over ClusterSize: a cluster at once
                ASSERT_TRUE(PumpUntil([&] { return reopened.size() == static_cast<std::size_t>(round) + 1; }));
            } else {
                link.SendString(std::string(256 * 1024, 'z')); // more than the line holds: pending
                ASSERT_TRUE(link.SendInProgress());
                link.SetActive(false);
                link.SetActive(true);
                reopened.push_back(link.Active());
                // The aborted write's report, and the worker serving the reopened port.
                ASSERT_TRUE(PumpUntil([&] { return Count(9702) == round + 1 && link.WorkerRunning(); }));
            }
        }
        EXPECT_EQ(Count(104), kRounds) << "every close timed out";
        EXPECT_EQ(reopened, std::vector<bool>(kRounds, true));
        link.OnRxClusterEvent = nullptr;
        link.SetActive(false);
        pty.Read(1 << 20, 100); // what the far end got
    }
}

int holdPipe[2] = {-1, -1};
std::atomic<bool> held{false};

// Keeps the thread it interrupts (in its poll) until the test lets it go.
void HoldInHandler(int) {
    held.store(true);
    char byte = 0;
    while (read(holdPipe[0], &byte, 1) < 0 && errno == EINTR) {
    }
}

bool InPoll(pid_t thread) {
    std::ifstream in("/proc/self/task/" + std::to_string(thread) + "/syscall");
    long number = -1;
    in >> number;
#ifdef SYS_poll
    if (number == SYS_poll) {
        return true;
    }
#endif
    return number == SYS_ppoll;
}

// The worker's poll outlasts the close's wait (held here by a signal handler): the close
// still returns with the port free for the next user, not locked until the poll returns.
TEST(PosixPortReleaseTest, APollThatOutlastsTheCloseHoldsNoLock) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.Ok());
    PosixSerialDevice device;
    ASSERT_EQ(device.Open(pty.SlavePath()), kDeviceOk);
    std::uint32_t mask = 0;
    ASSERT_EQ(device.StartWaitEvent(mask), kErrorIoPending);
    ASSERT_EQ(pipe2(holdPipe, O_CLOEXEC), 0);
    struct sigaction action {};
    action.sa_handler = HoldInHandler;
    sigemptyset(&action.sa_mask);
    struct sigaction old {};
    ASSERT_EQ(sigaction(SIGUSR1, &action, &old), 0);
    std::atomic<pid_t> thread{0};
    std::thread worker([&] {
        thread.store(static_cast<pid_t>(syscall(SYS_gettid)));
        device.WaitForCompletion(false, true, 60'000);
    });
    const auto deadline = Clock::now() + 10s;
    while ((thread.load() == 0 || !InPoll(thread.load())) && Clock::now() < deadline) {
        std::this_thread::sleep_for(1ms);
    }
    ASSERT_TRUE(InPoll(thread.load()));
    syscall(SYS_tgkill, getpid(), thread.load(), SIGUSR1);
    while (!held.load() && Clock::now() < deadline) {
        std::this_thread::sleep_for(1ms);
    }
    EXPECT_TRUE(held.load());

    EXPECT_EQ(device.Close(), kDeviceOk);
    PosixSerialDevice next;
    EXPECT_EQ(next.Open(pty.SlavePath()), kDeviceOk) << "busy: the closed port still holds its lock";
    next.Close();

    ASSERT_EQ(write(holdPipe[1], "x", 1), 1);
    worker.join();
    sigaction(SIGUSR1, &old, nullptr);
    close(holdPipe[0]);
    close(holdPipe[1]);
}

// Exclusive mode is the tty's, not our descriptor's: left set, it would keep other users
// out while anybody else still holds the port.
TEST_F(PortRelease, AnotherUserOpensThePortAfterOurCloseWhileAThirdHoldsIt) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root, to open the port as a second user (nobody)";
    }
    const passwd* nobody = getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    ASSERT_EQ(chmod(pty.SlavePath().c_str(), 0666), 0);
    const int third = open(pty.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(third, 0);
    link.SetActive(true);
    ASSERT_TRUE(link.Active());
    link.SetActive(false);

    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    const std::string path = pty.SlavePath();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0) {
            _exit(100);
        }
        const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        _exit(fd >= 0 ? 0 : (errno & 0x7F));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "errno of the second user's open (16: busy)";
    close(third);
}

} // namespace
} // namespace zeft::testing
