// The component over the termios backend, with pseudo-terminals as the line.
#include "serial/HandOverQueue.h"
#include "serial/SerialLink.h"
#include "serial/device/SerialDeviceFactory.h"
#include "tests/support/PseudoTerminal.h"
#include "tests/support/VanishingSerialDevice.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <sys/ioctl.h>
#include <termios.h>

#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace zeft::testing {
namespace {

using Clock = HandOverQueue::Clock;
using namespace std::chrono_literals;

std::string AllByteValues() {
    std::string bytes;
    for (int i = 0; i < 256; ++i) {
        bytes += static_cast<char>(i);
    }
    return bytes;
}

class PosixLink : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.Ok());
        link.OnProcessError = [this](TSerialLink&, std::uint32_t place, std::uint32_t code, const std::string&,
                                     std::uint8_t) {
            reports.push_back({place, code});
        };
        link.OnRxClusterEvent = [this](TSerialLink& sender) { received += sender.ReadNextClusterAsString(); };
    }

    bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 10s) {
        return queue.DrainUntil(done, Clock::now() + limit);
    }

    int Count(std::uint32_t place) const {
        int count = 0;
        for (const auto& [seen, code] : reports) {
            count += seen == place ? 1 : 0;
        }
        return count;
    }

    std::uint32_t CodeOf(std::uint32_t place) const {
        for (const auto& [seen, code] : reports) {
            if (seen == place) {
                return code;
            }
        }
        return 0xFFFFFFFFu;
    }

    PseudoTerminal pty;
    HandOverQueue queue;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> reports;
    std::string received;
    TSerialLink link{queue};
};

TEST_F(PosixLink, EveryByteValueGoesBothWays) {
    link.SetCommPort(pty.SlavePath());
    link.SetActive(true);
    ASSERT_TRUE(link.Active());
    const std::string bytes = AllByteValues();
    pty.Write(bytes);
    ASSERT_TRUE(PumpUntil([&] { return received.size() >= bytes.size(); }));
    EXPECT_EQ(received, bytes);

    link.SendString(bytes);
    std::string sent;
    ASSERT_TRUE(PumpUntil([&] {
        sent += pty.Read(bytes.size() - sent.size(), 20);
        return sent.size() >= bytes.size();
    }));
    EXPECT_EQ(sent, bytes);
}

TEST_F(PosixLink, PseudoTerminalRefusesRtsAndThePropertyStillTakesTheValue) {
    link.SetCommPort(pty.SlavePath());
    link.SetActive(true);
    ASSERT_TRUE(link.Active());
    EXPECT_EQ(Count(501), 1);
    EXPECT_EQ(CodeOf(501), static_cast<std::uint32_t>(ENOTTY));
    EXPECT_EQ(Count(601), 1);
    EXPECT_TRUE(link.RTSState());
    link.SetRTSState(false);
    EXPECT_EQ(Count(502), 1);
    EXPECT_FALSE(link.RTSState());
}

TEST_F(PosixLink, SecondOpenOfTheSamePortFails) {
    link.SetCommPort(pty.SlavePath());
    link.SetActive(true);
    ASSERT_TRUE(link.Active());
    TSerialLink second(queue);
    std::vector<std::uint32_t> places;
    second.OnProcessError = [&](TSerialLink&, std::uint32_t place, std::uint32_t code, const std::string&,
                                std::uint8_t) {
        places.push_back(place);
        if (place == 112) {
            EXPECT_EQ(code, static_cast<std::uint32_t>(EBUSY));
        }
    };
    second.SetCommPort(pty.SlavePath());
    second.SetActive(true);
    EXPECT_FALSE(second.Active());
    EXPECT_EQ(places, (std::vector<std::uint32_t>{110, 112}));
    EXPECT_FALSE(second.LastOpenErrorText().empty());
}

TEST_F(PosixLink, RegularFileIsRefused) {
    char path[] = "/tmp/zeft-serial-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    link.SetCommPort(path);
    link.SetActive(true);
    EXPECT_FALSE(link.Active());
    EXPECT_EQ(CodeOf(112), static_cast<std::uint32_t>(ENOTTY));
    close(fd);
    unlink(path);
}

TEST_F(PosixLink, MissingDeviceIsRefused) {
    link.SetCommPort("ttyZEFTnothere0");
    link.SetActive(true);
    EXPECT_FALSE(link.Active());
    EXPECT_EQ(CodeOf(112), static_cast<std::uint32_t>(ENOENT));
}

// The far end goes away while bytes wait: reported once, and the worker does not spin.
TEST_F(PosixLink, FarEndClosingIsReportedOnceWithoutSpinning) {
    VanishingSerialDevice* device = nullptr; // never vanishes: it counts the worker's looks
    link.SetDeviceCreator([&device](const std::string& name) {
        auto counted = std::make_unique<VanishingSerialDevice>(SerialDeviceFactory::Create(name),
                                                               VanishingSerialDevice::kNeverVanishes);
        device = counted.get();
        return counted;
    });
    link.SetCommPort(pty.SlavePath());
    link.SetActive(true);
    ASSERT_TRUE(link.Active());
    // Until the worker has seen the buffer empty once, a whole pass after its first report:
    // bytes there before its first read decision would be read at once.
    ASSERT_TRUE(PumpUntil([&] { return Count(9905) == 1; }));
    const std::uint32_t looked = device->ModemStatusReads();
    ASSERT_TRUE(PumpUntil([&] { return device->ModemStatusReads() >= looked + 2; }));
    pty.Write("partial reply");
    ASSERT_TRUE(PumpUntil([&] { return link.CommStateInQueue() > 0; }));
    pty.CloseMaster();
    ASSERT_TRUE(PumpUntil([&] { return Count(9803) > 0; }));
    EXPECT_EQ(CodeOf(9803), static_cast<std::uint32_t>(EIO));

    // Two seconds hold about 27 passes of 75 ms, each reading the modem lines twice.
    const std::uint32_t readsBefore = device->ModemStatusReads();
    EXPECT_FALSE(PumpUntil([&] { return Count(9803) > 1; }, 2s)) << "the hang-up reported again";
    EXPECT_EQ(Count(9803), 1);
    EXPECT_LT(device->ModemStatusReads() - readsBefore, 120U) << "the worker spins on the hung-up port";
    EXPECT_TRUE(link.Active()); // until the program closes it
    link.SetActive(false);
    EXPECT_FALSE(link.Active());
}

// More than the pair buffers: the write goes pending and the worker finishes it as the far
// end reads.
TEST_F(PosixLink, LongWriteFinishesAsTheFarEndReads) {
    int writesDone = 0;
    link.OnWriteDone = [&](TSerialLink&) { ++writesDone; };
    link.SetCommPort(pty.SlavePath());
    link.SetActive(true);
    ASSERT_TRUE(link.Active());
    const std::string bytes(256 * 1024, 'z');
    link.SendString(bytes);
    ASSERT_TRUE(link.SendInProgress());
    std::string sent;
    ASSERT_TRUE(PumpUntil([&] {
        sent += pty.Read(bytes.size() - sent.size(), 10);
        return writesDone == 1;
    }));
    EXPECT_EQ(link.WrittenBytes(), bytes.size());
    EXPECT_EQ(Count(9701), 0);
    sent += pty.Read(bytes.size() - sent.size(), 2000);
    EXPECT_EQ(sent.size(), bytes.size());
}

// Nobody reads the far end: the write ends at its time-out with fewer bytes.
TEST_F(PosixLink, WriteNobodyReadsEndsAtItsTimeOut) {
    int writesDone = 0;
    link.OnWriteDone = [&](TSerialLink&) { ++writesDone; };
    link.SetCommPort(pty.SlavePath());
    link.SetActive(true);
    ASSERT_TRUE(link.Active());
    link.SetXTOAuto(false);
    link.SetWTOCharDelayTime(1); // 256 KiB x 1 us + 250 ms
    const std::string bytes(256 * 1024, 'z');
    link.SendString(bytes);
    ASSERT_TRUE(link.SendInProgress());
    ASSERT_TRUE(PumpUntil([&] { return writesDone == 1; }));
    EXPECT_EQ(Count(9701), 1);
    EXPECT_LT(link.WrittenBytes(), bytes.size());
    EXPECT_FALSE(link.SendInProgress());
}

// Bytes that come while a handler runs are taken off the tty meanwhile, as a driver would,
// and make one cluster once the handler has returned.
TEST_F(PosixLink, LineKeepsFlowingWhileAHandlerRuns) {
    std::vector<std::size_t> clusters;
    const std::string later(30000, 'b'); // more than the kernel holds for a reader
    std::size_t laterWritten = 0;
    // Another descriptor of the tty, opened first, shows what waits in its input queue.
    const int probe = open(pty.SlavePath().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(probe, 0);
    const auto unread = [probe] {
        int count = -1;
        ioctl(probe, FIONREAD, &count);
        return count;
    };
    bool drainedMeanwhile = false;
    link.OnRxClusterEvent = [&](TSerialLink& sender) {
        clusters.push_back(sender.ReadNextClusterAsString().size());
        if (clusters.size() == 1) {
            laterWritten = pty.WriteWithin(later, 2000);
            // The handler runs on until the worker has taken the rest off the tty.
            const auto deadline = Clock::now() + 2s;
            while (unread() != 0 && Clock::now() < deadline) {
                std::this_thread::sleep_for(5ms);
            }
            drainedMeanwhile = unread() == 0;
        }
    };
    link.SetRxQueueSize(65535);
    link.SetCommPort(pty.SlavePath());
    link.SetActive(true);
    ASSERT_TRUE(link.Active());
    const std::string first(3500, 'a'); // over ClusterSize: read at once
    pty.Write(first);
    ASSERT_TRUE(PumpUntil([&] {
        std::size_t total = 0;
        for (std::size_t size : clusters) {
            total += size;
        }
        return total >= first.size() + laterWritten;
    }));
    close(probe);
    ASSERT_EQ(laterWritten, later.size());
    EXPECT_TRUE(drainedMeanwhile) << "the tty was not read while the handler ran";
    ASSERT_GE(clusters.size(), 2u);
    EXPECT_GE(clusters[1], later.size());
}

TEST_F(PosixLink, AnyBaudRateIsAccepted) {
    link.SetCommPort(pty.SlavePath());
    link.SetActive(true);
    ASSERT_TRUE(link.Active());
    for (std::uint32_t rate : {9600u, 250000u, 31250u, 1000000u}) {
        link.SetBaudRate(rate);
    }
    EXPECT_EQ(Count(802), 0);
    EXPECT_EQ(Count(801), 0);
}

// What the previous user of a port left must not survive the open or any setter. A
// pseudo-terminal forces 8 data bits and no parity enable, so those are left to the table
// of the termios builder; the rest is read back from the kernel.
TEST_F(PosixLink, LineSettingsAreWrittenWholeOverWhatThePortKept) {
    const int slave = open(pty.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(slave, 0);
    struct termios left {};
    ASSERT_EQ(tcgetattr(slave, &left), 0);
    left.c_cflag |= CSTOPB | CRTSCTS | PARODD;
    left.c_iflag |= IXON | IXOFF | IXANY | ICRNL | INLCR | IGNCR | ISTRIP | BRKINT | INPCK | IMAXBEL;
    left.c_oflag |= OPOST | ONLCR;
    left.c_lflag |= ECHO | ECHOE | ICANON | ISIG | IEXTEN;
    ASSERT_EQ(tcsetattr(slave, TCSANOW, &left), 0);

    auto kernel = [slave] {
        struct termios now {};
        EXPECT_EQ(tcgetattr(slave, &now), 0);
        return now;
    };
    constexpr tcflag_t kWatched = CSTOPB | CRTSCTS | PARODD;
    struct Step {
        const char* name;
        std::function<void()> change;
        tcflag_t cflag; // of kWatched
        tcflag_t iflag;
    };
    const Step steps[] = {
        {"open at 9600 8N1 without flow control", [this] { link.SetActive(true); }, 0, 0},
        {"two stop bits", [this] { link.SetStopBits(2); }, CSTOPB, 0},
        {"RTS/CTS", [this] { link.SetFlowControl(0x2004); }, CSTOPB | CRTSCTS, 0},
        {"odd parity", [this] { link.SetParityType(1); }, CSTOPB | CRTSCTS | PARODD, INPCK},
        {"XON/XOFF instead of RTS/CTS", [this] { link.SetFlowControl(0x380); }, CSTOPB | PARODD, INPCK | IXON | IXOFF},
        {"one stop bit", [this] { link.SetStopBits(0); }, PARODD, INPCK | IXON | IXOFF},
        {"no parity", [this] { link.SetParityType(0); }, 0, IXON | IXOFF},
        {"no flow control", [this] { link.SetFlowControl(0); }, 0, 0},
    };
    link.SetCommPort(pty.SlavePath());
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.change();
        ASSERT_TRUE(link.Active());
        const struct termios now = kernel();
        EXPECT_EQ(now.c_cflag & kWatched, step.cflag);
        EXPECT_EQ(now.c_cflag & (CLOCAL | CREAD), CLOCAL | CREAD);
        EXPECT_EQ(now.c_iflag, step.iflag);
        EXPECT_EQ(now.c_oflag, 0u);
        EXPECT_EQ(now.c_lflag, 0u);
        EXPECT_EQ(now.c_cc[VMIN], 1);
        EXPECT_EQ(now.c_cc[VTIME], 0);
    }
    link.SetXONChar('A');
    link.SetXOFFChar('B');
    EXPECT_EQ(kernel().c_cc[VSTART], 'A');
    EXPECT_EQ(kernel().c_cc[VSTOP], 'B');
    EXPECT_EQ(Count(802), 0);
    link.SetActive(false);
    close(slave);
}

} // namespace
} // namespace zeft::testing
